#!/usr/bin/env bash
# Records corvaset.exe's size and its time from launch to the dialog being
# on screen under Wine, beside a bare program that runs the same template
# with a plain dialog procedure. Writes build/bench.txt.
set -euo pipefail
source "$(dirname "$0")/common.sh"
runs=${1:-30}

"$ROOT/scripts/install-deps.sh"
build_windows >/dev/null
cmake --build "$WINDOWS_BUILD" --target corvaset_bare_dialog launch_time >/dev/null

trap stop_wine EXIT
start_wine null
result=$(cd "$WINDOWS_BUILD" && wine launch_time.exe "$runs" "Tessan Corvaset - v1.0" corvaset.exe corvaset_bare_dialog.exe | tr -d '\r')

size() { stat -c %s "$WINDOWS_BUILD/$1"; }
median() { awk -v exe="$1" '$1 == exe { sub("median_ms=", "", $2); print $2 }' <<<"$result"; }
{
    echo "date: $(date -u +%Y-%m-%d) wine: $(wine --version) runs: $runs (graphics driver: null, wineserver warm)"
    printf '%-26s %10s %16s\n' program bytes launch_ms_median
    printf '%-26s %10s %16s\n' corvaset.exe "$(size corvaset.exe)" "$(median corvaset.exe)"
    printf '%-26s %10s %16s\n' corvaset_bare_dialog.exe "$(size corvaset_bare_dialog.exe)" "$(median corvaset_bare_dialog.exe)"
    awk -v a="$(median corvaset.exe)" -v b="$(median corvaset_bare_dialog.exe)" \
        -v sa="$(size corvaset.exe)" -v sb="$(size corvaset_bare_dialog.exe)" \
        'BEGIN { printf "ratio corvaset/bare: size %.2f, launch time %.2f\n", sa / sb, a / b }'
} | tee "$BUILD/bench.txt"
