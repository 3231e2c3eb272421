#!/usr/bin/env bash
# Checks that every command the Makefile, the CMake toolchains and scripts/*.sh
# call comes from a package scripts/install-deps.sh installs, or from one of
# their dependencies. Prints each command with its package; exits 1 naming the
# commands that are missing or whose package nothing in the list brings in.
set -euo pipefail
cd "$(dirname "$0")/.."

# Shell tools (sed, grep, seq, kill, ...) come from Essential packages and are
# not listed.
commands=(
    make cmake cc c++ clang clang++                     # native builds
    llvm-symbolizer                                     # sanitizer reports, fuzz targets' too
    i686-w64-mingw32-gcc-posix i686-w64-mingw32-g++-posix i686-w64-mingw32-windres
    x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres
    i686-w64-mingw32-nm i686-w64-mingw32-dlltool     # delay-load libraries (cmake/delay_imports.cmake)
    x86_64-w64-mingw32-nm x86_64-w64-mingw32-dlltool
    wine wineserver                                     # running the Windows programs
    Xvfb xdpyinfo xwininfo import convert-im6.q16       # virtual display, screenshots
    zip unzip cmark-gfm strings                         # the packages and their checks
    mount umount                                        # the read-only Windows directory
)

mapfile -t packages < <(scripts/install-deps.sh --list)
# The listed packages and everything they depend on. Alternatives and the
# providers of virtual packages are all included; names lose any :arch suffix.
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
        --no-breaks --no-replaces --no-enhances "${packages[@]}" |
    sed -n 's/^<\{0,1\}\([^ <>:][^ <>:]*\).*/\1/p' | sort -u)

# The package that owns file $1, without any :arch suffix.
owner() {
    # dpkg may know a file under /bin or /lib by its path before /usr was merged.
    { dpkg -S "$1" 2>/dev/null || dpkg -S "${1#/usr}" 2>/dev/null || true; } |
        sed -n '/^diversion/d; s/[:,].*//p' | head -n1
}

# A command in a group of alternatives exists only while the package behind
# the group's main link is installed: wineserver is a secondary link of the
# "wine" group, which package wine sets up, though its file is in libwine.
group_owner() {
    local link name group
    link=$(readlink "$1") || return 0
    case $link in /etc/alternatives/*) ;; *) return 0 ;; esac
    name=${link#/etc/alternatives/}
    group=$(grep -lx -- "$name" /var/lib/dpkg/alternatives/* 2>/dev/null | head -n1)
    [ -n "$group" ] && owner "$(readlink -f "/etc/alternatives/${group##*/}")"
}

bad=()
for cmd in "${commands[@]}"; do
    if ! path=$(command -v "$cmd"); then
        echo "$cmd: not installed"
        bad+=("$cmd")
        continue
    fi
    pkgs=$(printf '%s\n' "$(owner "$(readlink -f "$path")")" "$(group_owner "$path")" |
        sed '/^$/d' | sort -u)
    if [ -z "$pkgs" ]; then
        echo "$cmd: $(readlink -f "$path") belongs to no package"
        bad+=("$cmd")
        continue
    fi
    missing=()
    for pkg in $pkgs; do
        grep -qxF "$pkg" <<<"$closure" ||
            [ "$(dpkg-query -W -f='${Essential}' "$pkg" 2>/dev/null)" = yes ] ||
            missing+=("$pkg")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        echo "$cmd: ${pkgs//$'\n'/ }"
    else
        echo "$cmd: ${pkgs//$'\n'/ } (not brought in: ${missing[*]})"
        bad+=("$cmd")
    fi
done

if [ ${#bad[@]} -gt 0 ]; then
    echo "Not brought in by scripts/install-deps.sh: ${bad[*]}" >&2
    exit 1
fi
