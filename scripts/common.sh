# Shared by the scripts: folders, the two builds, and a private Wine prefix.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${CORVASET_BUILD_DIR:-$ROOT/build}
NATIVE_BUILD=$BUILD/native
WINDOWS_BUILD=$BUILD/windows
JOBS=$(nproc 2>/dev/null || echo 2)

export WINEPREFIX=$BUILD/wineprefix
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

build_native() {
    cmake -S "$ROOT" -B "$NATIVE_BUILD" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$NATIVE_BUILD" -j "$JOBS"
}

build_windows() {
    cmake -S "$ROOT" -B "$WINDOWS_BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$WINDOWS_BUILD" -j "$JOBS"
}

# Creates the prefix once and starts a wineserver that stays up until
# stop_wine, so that Wine's helpers do not hold on to anyone's output.
# $1: "null" for no display at all, "x11" to draw on $DISPLAY.
start_wine() {
    local graphics=$1
    mkdir -p "$BUILD"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix in $WINEPREFIX ..."
        wineboot -i >/dev/null 2>&1 </dev/null
    fi
    wineserver -p >/dev/null 2>&1 </dev/null
    # The desktop process picks its graphics driver when it starts: restart
    # the server when the driver changes.
    local current changed=no
    current=$(wine reg query 'HKCU\Software\Wine\Drivers' /v Graphics 2>/dev/null </dev/null | tr -d '\r' |
              awk '/Graphics/ {print $3}' || true)
    if [ "$graphics" = null ] && [ "$current" != null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
        changed=yes
    elif [ "$graphics" != null ] && [ -n "$current" ]; then
        wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 </dev/null
        changed=yes
    fi
    # Without a window manager, a managed window waits for one when it closes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    if [ $changed = yes ]; then
        wineserver -k >/dev/null 2>&1
        timeout 30 wineserver -w || true
        wineserver -p >/dev/null 2>&1 </dev/null
    fi
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}

# Sets the prefix's screen DPI (96, 120, 144, ...), which Wine reads when its
# server starts.
set_wine_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 </dev/null
    wineserver -k >/dev/null 2>&1
    timeout 30 wineserver -w || true
    wineserver -p >/dev/null 2>&1 </dev/null
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}

stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
}

# Starts Xvfb on a free display and exports DISPLAY. Sets XVFB_PID.
# $1: the screen's size, 1280x1024 unless given.
start_xvfb() {
    local size=${1:-1280x1024}
    local n=90
    while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        [ -e /tmp/.X11-unix/X$n ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# The two screens the start-up is measured on (scripts/bench.sh and
# scripts/startup-breakdown.sh): 1920 x 1080 with Wine's X11 driver on Xvfb,
# where the whole settings dialog fits, and the null driver's 1024 x 768,
# where it does not. Each starts Wine for that screen; stop_screen ends both.
start_large_screen() { start_xvfb 1920x1080 && start_wine x11; }
start_small_screen() { start_wine null; }
stop_screen() {
    stop_wine
    stop_xvfb
}
