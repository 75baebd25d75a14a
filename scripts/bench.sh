#!/usr/bin/env bash
# Records the shipped programs' sizes against their budgets and corvaset.exe's
# time from launch to the dialog being on screen under Wine, beside a bare
# program that runs the same template with a plain dialog procedure. The two
# are launched in turns, RUNS times each, so that other work on the machine
# falls on both alike, on two screens:
#  - 1920 x 1080 (Xvfb, Wine's X11 driver), where the whole dialog fits: both
#    programs show the same dialog, so the difference is the program's own
#    start-up work;
#  - 1024 x 768 (Wine's null driver), too small for the dialog: corvaset.exe
#    also fits its window to the screen, its controls placed scrolled so that
#    its first control is in view, where the bare program's dialog runs off
#    the screen.
# Each is held to the budget of 1.10 times the bare program's.
# Writes build/bench.txt.
# Usage: scripts/bench.sh [RUNS]   (default 300)
set -euo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix bench "$@"
runs=${1:-300}
ratio_budget=1.10

"$ROOT/scripts/install-deps.sh"
build_windows >/dev/null
cmake --build "$WINDOWS_BUILD" --target corvaset_bare_dialog launch_time >/dev/null

measure() {
    (cd "$WINDOWS_BUILD" &&
     wine launch_time.exe "$runs" "Tessan Corvaset - v1.0" corvaset.exe corvaset_bare_dialog.exe | tr -d '\r')
}
trap stop_screen EXIT
start_large_screen
whole_screen=$(measure)
stop_screen
start_small_screen
small_screen=$(measure)

size() { stat -c %s "$WINDOWS_BUILD/$1"; }
budget() { sed -n "s/^$1:INTERNAL=//p" "$WINDOWS_BUILD/CMakeCache.txt"; }
# field RESULT PROGRAM KEY: the value of KEY=... on PROGRAM's line.
field() { awk -v exe="$2" -v key="$3" '$1 == exe { for (i = 2; i <= NF; i++) if (index($i, key "=") == 1) print substr($i, length(key) + 2) }' <<<"$1"; }
verdict() { awk -v a="$1" -v b="$2" 'BEGIN { print (a <= b ? "within" : "OVER") }'; }
ratio() { awk -v a="$(field "$1" corvaset.exe median_ms)" -v b="$(field "$1" corvaset_bare_dialog.exe median_ms)" \
              'BEGIN { printf "%.4f", a / b }'; }
report() {  # report TITLE RESULT BUDGET
    echo "$1"
    printf '  %-26s %10s %8s\n' program median_ms min_ms
    for exe in corvaset.exe corvaset_bare_dialog.exe; do
        printf '  %-26s %10s %8s\n' "$exe" "$(field "$2" "$exe" median_ms)" "$(field "$2" "$exe" min_ms)"
    done
    local r
    r=$(ratio "$2")
    printf '  start-up ratio corvaset/bare (medians): %.3f, budget %s: %s\n' "$r" "$3" "$(verdict "$r" "$3")"
    echo "  median of the run-by-run ratios: $(sed -n 's/^paired_ratio_median=//p' <<<"$2")"
}
{
    echo "date: $(date -u +%Y-%m-%d) wine: $(wine --version) runs: $runs each, in turns (wineserver warm)"
    printf '%-26s %8s %8s\n' program bytes budget
    for exe in corvaset.exe corvaset-dat.exe; do
        var=CORVASET_EXE_MAX_BYTES
        [ "$exe" = corvaset-dat.exe ] && var=CORVASET_DAT_MAX_BYTES
        printf '%-26s %8s %8s %s\n' "$exe" "$(size "$exe")" "$(budget $var)" "$(verdict "$(size "$exe")" "$(budget $var)")"
    done
    printf '%-26s %8s\n' corvaset_bare_dialog.exe "$(size corvaset_bare_dialog.exe)"
    report "screen 1920x1080 (X11 driver), the whole dialog on screen:" "$whole_screen" "$ratio_budget"
    report "screen 1024x768 (null driver), corvaset.exe fitted and scrolled, the bare dialog cut off:" "$small_screen" "$ratio_budget"
} | tee "$BUILD/bench.txt"
