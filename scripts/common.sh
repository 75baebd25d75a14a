# Shared by the scripts: folders, the two builds, and a private Wine prefix.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${CORVASET_BUILD_DIR:-$ROOT/build}
NATIVE_BUILD=$BUILD/native
WINDOWS_BUILD=$BUILD/windows
JOBS=$(nproc 2>/dev/null || echo 2)

export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

build_native() {
    cmake -S "$ROOT" -B "$NATIVE_BUILD" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$NATIVE_BUILD" -j "$JOBS"
}

# Builds every target of the Windows configuration, or only the ones named.
build_windows() {
    # CMake keeps the compiler a build folder was first made with: one made
    # by the posix-thread compiler, which built the programs before they ran
    # on Windows XP, is made afresh.
    grep -qs 'g++-posix"' "$WINDOWS_BUILD"/CMakeFiles/*/CMakeCXXCompiler.cmake && rm -rf "$WINDOWS_BUILD"
    cmake -S "$ROOT" -B "$WINDOWS_BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$WINDOWS_BUILD" -j "$JOBS" ${1:+--target "$@"}
}

# Chooses the Wine prefix this script runs in and takes it for as long as the
# script runs: the tests use build/wineprefix, the run and the screenshot
# build/wineprefix-screen, the start-up measurements build/wineprefix-bench.
# Each prefix has its own wineserver and graphics driver, so a screenshot
# taken while the tests run leaves them alone; a second script that wants the
# same prefix waits for the first. The lock is held by flock(1) around the
# whole script (a script run by a script that holds it goes on), not by a
# descriptor the Wine processes would inherit and keep.
# $1: tests, screen or bench; the script's own arguments follow.
use_wine_prefix() {
    local name=$1
    shift
    local prefix=$BUILD/wineprefix
    [ "$name" = tests ] || prefix=$BUILD/wineprefix-$name
    export WINEPREFIX=$prefix
    [ "${CORVASET_HELD_PREFIX:-}" = "$prefix" ] && return 0
    mkdir -p "$BUILD"
    local lock=$prefix.lock script
    script=$(realpath "$0")
    export CORVASET_HELD_PREFIX=$prefix
    if ! flock -n "$lock" true; then
        echo "Waiting for another script to finish with $prefix ..."
    fi
    exec flock -o "$lock" bash "$script" "$@"
}

# Creates the prefix once and starts a wineserver that stays up until
# stop_wine, so that Wine's helpers do not hold on to anyone's output.
# $1: "null" for no display at all, "x11" to draw on $DISPLAY.
start_wine() {
    local graphics=$1
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix in $WINEPREFIX ..."
        wineboot -i >/dev/null 2>&1 </dev/null
    fi
    link_marlett
    start_wineserver
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
    [ $changed = yes ] && restart_wineserver
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}

# Sets the prefix's screen DPI (96, 120, 144, ...), which Wine reads when its
# server starts.
set_wine_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 </dev/null
    restart_wineserver
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}

# Debian's Wine does not look in the folder of its own fonts (fonts-wine's
# /usr/share/wine/fonts), so Marlett, which draws the caption buttons and the
# menu glyphs, is missing and they show as letters. Wine loads the fonts in
# the prefix's Fonts folder: Marlett is linked there. Only Marlett: the text
# faces stay DejaVu Sans, the face every layout figure of the tests was
# measured with (Wine's own MS Sans Serif would make the dialog 960 pixels
# wide, and the null driver's screen too small for it only downwards).
link_marlett() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    [ -e "$fonts/marlett.ttf" ] && return 0
    mkdir -p "$fonts"
    ln -s /usr/share/wine/fonts/marlett.ttf "$fonts/marlett.ttf"
}

# Makes the prefix's wineserver a persistent one. A server that is still up
# (wineboot's, which ends some seconds after wineboot itself, or one a killed
# script left) refuses to become persistent: wait for it to end first.
start_wineserver() {
    wineserver -p >/dev/null 2>&1 </dev/null && return 0
    timeout 60 wineserver -w || true
    wineserver -p >/dev/null 2>&1 </dev/null
}

restart_wineserver() {
    wineserver -k >/dev/null 2>&1
    timeout 30 wineserver -w || true
    start_wineserver
}

stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
}

# Starts Xvfb on a display it finds free itself (two scripts starting one at
# the same moment never pick the same) and exports DISPLAY. Sets XVFB_PID.
# $1: the screen's size, 1280x1024 unless given.
start_xvfb() {
    local size=${1:-1280x1024} number_file n=
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        # The number is whole once its line ends.
        [ "$(wc -l <"$number_file")" -ge 1 ] && n=$(tr -dc 0-9 <"$number_file") && break
        sleep 0.1
    done
    rm -f "$number_file"
    if [ -z "$n" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$n"
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
