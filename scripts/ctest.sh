#!/usr/bin/env bash
# Builds both configurations and runs ctest on each with the arguments given,
# the Windows build under Wine in the tests' own prefix with no display, as
# scripts/test.sh does. For running one test or a few:
#   bash scripts/ctest.sh -R 'e2e\.UserSession'
# A configuration with no matching test says "No tests were found".
set -uo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix tests "$@"

"$ROOT/scripts/install-deps.sh" || exit 1
build_native >/dev/null || exit 1
build_windows >/dev/null || exit 1

echo "== native"
ctest --test-dir "$NATIVE_BUILD" --output-on-failure "$@"
native=$?
echo "== under Wine"
trap stop_wine EXIT
start_wine null
ctest --test-dir "$WINDOWS_BUILD" --output-on-failure --timeout 120 "$@"
windows=$?
[ $native -eq 0 ] && [ $windows -eq 0 ]
