#!/usr/bin/env bash
# Runs the benchmarks: first the native ones (the core's start-up work and
# face painting, from the Release build in build/bench-native), then the
# start-up benchmark under Wine, in a fresh prefix under a virtual display:
# KLV.exe against a bare window program, both started the same way: time to
# the first complete paint and working set, each as a ratio to the bare one.
# KLV_BENCH_RUNS sets the number of runs of each program (default 20).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KLV_BUILD_DIR:-$root/build}
runs=${KLV_BENCH_RUNS:-20}
status=0

for b in "$build"/bench-native/*_bench; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" || status=1
done

. "$root/scripts/wine-env.sh"
start_virtual_display
trap 'wineserver -k 2>/dev/null; stop_virtual_display' EXIT
echo "== preparing a fresh Wine prefix"
wine_fresh_prefix "$build/wineprefix-bench"
echo "== start-up under Wine (load average $(cut -d' ' -f1-3 /proc/loadavg))"
(cd "$build/win64/bench" && wine startup_bench_win32.exe "$runs") || status=1
echo "== launching under Wine"
(cd "$build/win64/bench" && wine launch_bench_win32.exe "$runs") || status=1
# KLV.exe at 96 and at 192 DPI (the prefix's LogPixels, read when the Wine
# server starts), one after the other: the face at twice its size.
for dpi in 96 192; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null
    wineserver -w
    echo "== start-up at $dpi DPI"
    (cd "$build/win64/bench" && wine startup_bench_win32.exe "$runs" klv) | tee "$build/bench-$dpi-dpi.txt" ||
        status=1
done
awk '/^KLV at/ { ms[$3] = $9; mb[$3] = $14 }
     END { if (ms[96] > 0) printf "192 against 96 DPI: start-up ratio %.2f (budget 1.10), working set %+.2f MB (budget +2.0 MB)\n", ms[192] / ms[96], mb[192] - mb[96] }' \
    "$build/bench-96-dpi.txt" "$build/bench-192-dpi.txt"
# Other builds on the machine skew the figures: say how busy it was.
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
