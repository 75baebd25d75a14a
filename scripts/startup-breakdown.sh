#!/usr/bin/env bash
# Where corvaset.exe's start-up time goes: runs the traced builds of
# corvaset.exe and of the bare program (framework/startup_trace.h) in turns
# under Wine, on the two screens of scripts/bench.sh, and prints for each
# start-up step the median time from launch to the step and from the step
# before. Writes build/startup-breakdown.txt.
# Usage: scripts/startup-breakdown.sh [RUNS]   (default 30)
set -euo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix bench "$@"
runs=${1:-30}

"$ROOT/scripts/install-deps.sh"
build_windows >/dev/null
cmake --build "$WINDOWS_BUILD" --target corvaset_traced corvaset_bare_dialog_traced launch_time >/dev/null

trace() {
    (cd "$WINDOWS_BUILD" &&
     wine launch_time.exe --trace "$runs" "Tessan Corvaset - v1.0" corvaset_traced.exe corvaset_bare_dialog_traced.exe |
     tr -d '\r')
}
trap stop_screen EXIT
start_large_screen
large=$(trace)
stop_screen
start_small_screen
small=$(trace)
steps() {
    awk '
        $2 ~ /^median_ms=/ { printf "\n%s: launch to visible, median %s ms\n", $1, substr($2, 11); printf "  %-20s %10s %10s\n", "step", "from_launch", "from_prev"; prev = 0; next }
        $2 ~ /^step=/ { t = substr($3, 11); printf "  %-20s %10.1f %10.1f\n", substr($2, 6), t, t - prev; prev = t }
    ' <<<"$1"
}
{
    echo "date: $(date -u +%Y-%m-%d) wine: $(wine --version) runs: $runs each, in turns (wineserver warm)"
    echo
    echo "== screen 1920x1080 (X11 driver), the whole dialog on screen"
    steps "$large"
    echo
    echo "== screen 1024x768 (null driver), corvaset.exe fitted and scrolled"
    steps "$small"
} | tee "$BUILD/startup-breakdown.txt"
