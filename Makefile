# The two front-door commands: `make run` starts Kelvane under Wine,
# `make test` builds everything, the packages too, and runs every test suite.
JOBS ?= 2
CMAKE_BUILD = cmake --build $(1) -j $(JOBS) $(2) -- --no-print-directory

.PHONY: run test deps native clang asan win32 win64 package pictures fuzz-build fuzz bench assets clean

run: deps win64
	scripts/run-kelvane.sh

test: deps native clang asan win32 win64 package fuzz-build
	scripts/run-tests.sh

deps:
	@scripts/install-deps.sh

native:
	cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DKLV_WERROR=ON >/dev/null
	$(call CMAKE_BUILD,build/native)

# The core must also compile warning-free with clang; its tests run from the g++ builds.
clang:
	CC=clang CXX=clang++ cmake -S . -B build/clang -DCMAKE_BUILD_TYPE=Debug -DKLV_WERROR=ON >/dev/null
	$(call CMAKE_BUILD,build/clang)

asan:
	cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DKLV_SANITIZE=ON -DKLV_WERROR=ON >/dev/null
	$(call CMAKE_BUILD,build/asan)

win32:
	cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DKLV_WERROR=ON \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
	$(call CMAKE_BUILD,build/win32,--target KLV klv_hotkeys)

WIN64_CONFIGURE = cmake -S . -B build/win64 -DCMAKE_BUILD_TYPE=Release -DKLV_WERROR=ON \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null

win64:
	$(WIN64_CONFIGURE)
	$(call CMAKE_BUILD,build/win64)

# The zips users download, dist/kelvane-<version>-windows-x64.zip and -x86.zip:
# the two programs of each build and the user guide (scripts/package.sh).
package: deps win32
	$(WIN64_CONFIGURE)
	$(call CMAKE_BUILD,build/win64,--target KLV klv_hotkeys)
	scripts/package.sh

# libFuzzer targets (clang), optimized as the fuzzer's instrumentation is
# costly enough; `make test` runs each briefly, `make fuzz` for a million
# executions. Run one longer with e.g. build/fuzz/bmp_fuzz -max_total_time=600
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLV_FUZZ=ON >/dev/null
	$(call CMAKE_BUILD,build/fuzz)

fuzz: fuzz-build
	scripts/run-fuzz.sh 1000000

# Retakes the pictures of README.md and the user guide, docs/*.png, from the
# screenshots of the end-to-end tests.
pictures: test
	scripts/pictures.sh

# Redraws the built-in pictures under resources/ (committed with the generator).
assets: native
	$(call CMAKE_BUILD,build/native,--target make_assets)
	build/native/make_assets resources

# Native benchmarks from a Release build, then KLV.exe's start-up against a
# bare window program under Wine (scripts/run-bench.sh).
BENCH_TARGETS = $(basename $(notdir $(wildcard bench/*_bench.cpp)))
bench: deps win64
	cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release >/dev/null
	$(call CMAKE_BUILD,build/bench-native,--target $(BENCH_TARGETS))
	scripts/run-bench.sh

clean:
	rm -rf build dist
