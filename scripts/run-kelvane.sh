#!/usr/bin/env bash
# Starts Kelvane under Wine. With a display it runs until the window is closed;
# without one it starts a virtual X server, waits for the window titled
# "Kelvane", saves a screenshot to build/kelvane.png and stops.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
. "$root/scripts/wine-env.sh"
export WINEPREFIX="${WINEPREFIX:-$build/wineprefix-run}"
if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    echo "Preparing a Wine prefix in $WINEPREFIX"
    wine_fresh_prefix "$WINEPREFIX"
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec wine "$build/win64/KLV.exe" "$@"
fi

start_virtual_display
trap 'wineserver -k 2>/dev/null || true; stop_virtual_display' EXIT
wine explorer /desktop=Kelvane,1024x768 "$build/win64/KLV.exe" "$@" >/dev/null 2>&1 &
for _ in $(seq 300); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Kelvane"'; then break; fi
    sleep 0.1
done
if ! xwininfo -root -tree 2>/dev/null | grep -q '"Kelvane"'; then
    echo "The Kelvane window did not appear" >&2
    exit 1
fi
sleep 1 # let it paint
import -window root "$build/kelvane.png"
echo "Kelvane is running; screenshot saved to build/kelvane.png"
