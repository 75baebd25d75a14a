#!/usr/bin/env bash
# Records the shipped programs' sizes against their budgets and corvaset.exe's
# time from launch to the dialog being on screen under Wine, beside a bare
# program that runs the same template with a plain dialog procedure. The two
# are launched in turns, RUNS times each, so that other work on the machine
# falls on both alike. Writes build/bench.txt.
# Usage: scripts/bench.sh [RUNS]   (default 60)
set -euo pipefail
source "$(dirname "$0")/common.sh"
runs=${1:-60}
ratio_budget=1.10

"$ROOT/scripts/install-deps.sh"
build_windows >/dev/null
cmake --build "$WINDOWS_BUILD" --target corvaset_bare_dialog launch_time >/dev/null

trap stop_wine EXIT
start_wine null
result=$(cd "$WINDOWS_BUILD" && wine launch_time.exe "$runs" "Tessan Corvaset - v1.0" corvaset.exe corvaset_bare_dialog.exe | tr -d '\r')

size() { stat -c %s "$WINDOWS_BUILD/$1"; }
budget() { sed -n "s/^$1:INTERNAL=//p" "$WINDOWS_BUILD/CMakeCache.txt"; }
field() { awk -v exe="$1" -v key="$2" '$1 == exe { for (i = 2; i <= NF; i++) if (index($i, key "=") == 1) print substr($i, length(key) + 2) }' <<<"$result"; }
verdict() { awk -v a="$1" -v b="$2" 'BEGIN { print (a <= b ? "within" : "OVER") }'; }
{
    echo "date: $(date -u +%Y-%m-%d) wine: $(wine --version) runs: $runs each, in turns (graphics driver: null, wineserver warm)"
    printf '%-26s %8s %8s %7s %10s %8s\n' program bytes budget "" median_ms min_ms
    for exe in corvaset.exe corvaset-dat.exe; do
        var=CORVASET_EXE_MAX_BYTES
        [ "$exe" = corvaset-dat.exe ] && var=CORVASET_DAT_MAX_BYTES
        printf '%-26s %8s %8s %7s %10s %8s\n' "$exe" "$(size "$exe")" "$(budget $var)" \
            "$(verdict "$(size "$exe")" "$(budget $var)")" "$(field "$exe" median_ms)" "$(field "$exe" min_ms)"
    done
    printf '%-26s %8s %8s %7s %10s %8s\n' corvaset_bare_dialog.exe "$(size corvaset_bare_dialog.exe)" - "" \
        "$(field corvaset_bare_dialog.exe median_ms)" "$(field corvaset_bare_dialog.exe min_ms)"
    ratio=$(awk -v a="$(field corvaset.exe median_ms)" -v b="$(field corvaset_bare_dialog.exe median_ms)" \
                'BEGIN { printf "%.4f", a / b }')
    printf 'start-up ratio corvaset/bare (medians): %.3f, budget %s: %s\n' "$ratio" "$ratio_budget" \
        "$(verdict "$ratio" "$ratio_budget")"
    echo "median of the run-by-run ratios: $(sed -n 's/^paired_ratio_median=//p' <<<"$result")"
} | tee "$BUILD/bench.txt"
