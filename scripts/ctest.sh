#!/usr/bin/env bash
# Builds both configurations and runs ctest with the arguments given on each
# build that has a test they select, the Windows build under Wine in the
# tests' own prefix with no display, as scripts/test.sh does. For running one
# test or a few:
#   bash scripts/ctest.sh -R 'e2e\.UserSession'
# The e2e, ui, exe and package tests exist only in the Windows build and the
# core tests only in the native one: a build without a matching test is
# skipped, saying so, and when neither build has one the script fails.
set -uo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix tests "$@"

"$ROOT/scripts/install-deps.sh" || exit 1
build_native >/dev/null || exit 1
build_windows >/dev/null || exit 1

# How many tests of the build in $1 the arguments that follow select, from
# "Total Tests: N" of ctest -N; empty when ctest lists nothing (a bad
# argument, say), so that running it shows ctest's own complaint.
selected() {
    local dir=$1
    shift
    ctest --test-dir "$dir" -N "$@" 2>/dev/null | sed -n 's/^Total Tests: \([0-9][0-9]*\)$/\1/p'
}

# The Windows build lists its ui and e2e tests by running them under Wine.
trap stop_wine EXIT
start_wine null
native=$(selected "$NATIVE_BUILD" "$@")
windows=$(selected "$WINDOWS_BUILD" "$@")
if [ "$native" = 0 ] && [ "$windows" = 0 ]; then
    echo "No test of $NATIVE_BUILD or $WINDOWS_BUILD matches: $*" >&2
    exit 1
fi

status=0
if [ "$native" = 0 ]; then
    echo "== native: no matching test, skipped"
else
    echo "== native"
    ctest --test-dir "$NATIVE_BUILD" --output-on-failure "$@" || status=1
fi
if [ "$windows" = 0 ]; then
    echo "== under Wine: no matching test, skipped"
else
    echo "== under Wine"
    ctest --test-dir "$WINDOWS_BUILD" --output-on-failure --timeout 120 "$@" || status=1
fi
exit $status
