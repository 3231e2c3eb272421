# Sourced by the scripts that run Windows programs: one Wine prefix per run,
# inside build/, and a virtual X server when there is no display.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Creates a fresh prefix in $1 and waits until Wine has finished setting it up.
wine_fresh_prefix() {
    export WINEPREFIX="$1"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wine wineboot --init >/dev/null 2>&1 || true
    # Every program of the prefix runs in one virtual desktop. Without it each
    # window is an X window waiting for a window manager that Xvfb lacks: every
    # window that closes then waits 2 s for the manager's answer.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    # The caption buttons are drawn with Marlett. Debian's Wine does not look
    # in fonts-wine's folder for it (the buttons showed "0 1 r"); fonts in the
    # prefix's own Fonts folder it does load.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Starts Xvfb on a free display unless one is already set; $1 its size,
# 1024x768 unless given.
start_virtual_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local n=99
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${1:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start" >&2
    return 1
}

stop_virtual_display() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}
