#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# With --list it only prints the package names, one a line (scripts/check-packages.sh
# reads them from there).
set -euo pipefail
# wine64 is only the loader: /usr/bin/wine and wineserver come with wine, and
# the Marlett font that draws the caption buttons with fonts-wine. clang's
# libFuzzer and sanitizer runtimes are in libclang-rt-14-dev; llvm brings the
# llvm-symbolizer that names the functions in the sanitizers' reports; mount
# the bind mount that makes the Wine prefix's Windows directory read-only;
# zip, unzip and cmark-gfm (the user guide's HTML) the packages.
packages=(
    cmake make g++ clang libclang-rt-14-dev llvm libgtest-dev googletest libbenchmark-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine wine64 fonts-wine xvfb xauth x11-utils imagemagick mount
    zip unzip cmark-gfm
)
if [ "${1:-}" = --list ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
