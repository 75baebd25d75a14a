#!/usr/bin/env bash
# Runs the fuzz targets of corvaset-dat for longer than the test command's
# short runs. New inputs stay in build/native/fuzz/TARGET-corpus; a crash is
# saved beside it as TARGET-crash-... and ends the script with an error.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]   (default 600 s, both targets)
set -uo pipefail
source "$(dirname "$0")/common.sh"

seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_file fuzz_description)

build_native >/dev/null || exit 1
dir=$NATIVE_BUILD/fuzz
status=0
for t in "${targets[@]}"; do
    echo "== $t for ${seconds} s"
    "$dir/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/$t-" "$dir/$t-corpus" "$ROOT/tests/fuzz/corpus/$t" >"$dir/$t.log" 2>&1
    code=$?
    grep -E 'DONE|stat::number_of_executed_units|ERROR|SUMMARY|Test unit written' "$dir/$t.log"
    [ $code -eq 0 ] || { echo "$t failed (exit $code): see $dir/$t.log"; status=1; }
done
exit $status
