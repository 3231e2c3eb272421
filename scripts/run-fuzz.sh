#!/usr/bin/env bash
# Runs every libFuzzer target of fuzz/*.cpp (built into build/fuzz by
# `make fuzz-build`) for RUNS executions, starting from its seed corpus
# fuzz/corpus/<target>/ with a fixed seed, so that two runs do the same work.
# Prints "== <target>: N runs in S s" or why it failed, then
# "N passed, N failed, 0 skipped"; exits non-zero when a target failed or
# was not built. Logs, crashing inputs and new corpus entries go to
# build/fuzz-results/.
#
#   scripts/run-fuzz.sh RUNS
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:?usage: run-fuzz.sh RUNS}
results="$root/build/fuzz-results"
rm -rf "$results"
mkdir -p "$results"

# A run allocates and frees fresh fakes and buffers. The default quarantine
# of 256 MB gives every allocation memory that has left the caches, which
# cost the larger targets up to half their speed; 16 MB still holds what
# many runs freed for the use-after-free checks.
export ASAN_OPTIONS=quarantine_size_mb=16
passed=0
failed=0
for source in "$root"/fuzz/*.cpp; do
    name=$(basename "$source" .cpp)
    binary="$root/build/fuzz/$name"
    log="$results/$name.log"
    if [ ! -x "$binary" ]; then
        echo "== $name: FAILED, not built"
        failed=$((failed + 1))
        continue
    fi
    # New inputs go to the first directory, so the committed seeds stay as
    # they are. Without address randomization the coverage of indirect calls
    # and the compared values the mutations use are the same every run.
    mkdir -p "$results/$name.corpus"
    start=${EPOCHREALTIME//[!0-9]/} # microseconds
    setarch -R "$binary" -runs="$runs" -seed=1 -timeout=10 -artifact_prefix="$results/$name-" \
        "$results/$name.corpus" "$root/fuzz/corpus/$name" >"$log" 2>&1
    status=$?
    tenths=$(((${EPOCHREALTIME//[!0-9]/} - start) / 100000))
    seconds=$((tenths / 10)).$((tenths % 10))
    done_runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log")
    if [ "$status" -eq 0 ] && [ "${done_runs:-0}" -ge "$runs" ]; then
        echo "== $name: $done_runs runs in $seconds s"
        passed=$((passed + 1))
    else
        echo "== $name: FAILED (exit status $status) after $seconds s, see $log"
        grep -m3 -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log"
        failed=$((failed + 1))
    fi
done

echo "$passed passed, $failed failed, 0 skipped"
[ "$failed" -eq 0 ]
