#!/usr/bin/env bash
# Installs what is missing, builds corvaset.exe and runs it under Wine: on
# $DISPLAY when there is one, otherwise on a private Xvfb screen, saving a
# screenshot of the dialog. On the display the program runs in a folder of
# its own, build/run, so "Save" writes corvaset.dat there and not among the
# sources. Usage: scripts/run.sh [FILE]: with FILE the program opens it (as
# "corvaset.exe FILE" does) and Save writes back to it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix screen "$@"
file=${1:+$(realpath -m "$1")}

"$ROOT/scripts/install-deps.sh"
build_windows corvaset >/dev/null  # the program alone, not the tests

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    trap stop_wine EXIT
    start_wine x11
    mkdir -p "$BUILD/run"
    cd "$BUILD/run"
    wine "$WINDOWS_BUILD/corvaset.exe" ${file:+"$(winepath -w "$file")"}
else
    echo "No display: showing the dialog on Xvfb instead."
    "$ROOT/scripts/screenshot.sh" ${file:+--open "$file"} "$BUILD/corvaset.png"
fi
