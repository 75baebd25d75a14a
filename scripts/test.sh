#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# the core natively, the dialog and the program under Wine.
set -uo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix tests "$@"

"$ROOT/scripts/install-deps.sh" || exit 1
build_native || exit 1
build_windows || exit 1
# The release archive, which a test checks against the programs tested.
cmake --build "$WINDOWS_BUILD" --target corvaset_archive || exit 1

passed=0 failed=0
count() {  # adds up ctest's "N% tests passed, F tests failed out of T"
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)
    [ -z "$line" ] && { failed=$((failed + 1)); return; }
    local f t
    f=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + t - f)) failed=$((failed + f))
}

echo "== native core tests"
ctest --test-dir "$NATIVE_BUILD" --output-on-failure -j "$JOBS" 2>&1 | tee "$BUILD/native-tests.log"
count "$BUILD/native-tests.log"

echo "== tests under Wine"
trap stop_wine EXIT
start_wine null
ctest --test-dir "$WINDOWS_BUILD" --output-on-failure --timeout 120 2>&1 | tee "$BUILD/windows-tests.log"
count "$BUILD/windows-tests.log"

# The Windows XP paths: the save and open tests and the tool's commands once
# more with every function newer than XP counted as missing, and the prefix
# saying Windows XP to whatever asks its version.
echo "== save, open and the tool's commands as on Windows XP"
windows_version=$(wine winecfg -v 2>/dev/null </dev/null | tr -d '\r')
[ -n "$windows_version" ] || windows_version=win7
trap 'wine winecfg -v "$windows_version" >/dev/null 2>&1 </dev/null; stop_wine' EXIT
wine winecfg -v winxp >/dev/null 2>&1 </dev/null
CORVASET_AS_WINDOWS_XP=1 ctest --test-dir "$WINDOWS_BUILD" --output-on-failure --timeout 120 \
    -R 'ui\.(Save|OpenFile|NonAsciiFolder|FailureBox)|e2e\.(Save/|OpenFileSession|UserSession\.Save)|tool\.cli' 2>&1 |
    tee "$BUILD/xp-tests.log"
count "$BUILD/xp-tests.log"
wine winecfg -v "$windows_version" >/dev/null 2>&1 </dev/null

# The screens the dialog must fit as well: the same small screen at 120 and
# 144 DPI, and a screen large enough for the whole dialog (Xvfb with Wine's
# X11 driver).
trap 'set_wine_dpi 96; stop_wine' EXIT
for dpi in 120 144; do
    echo "== the dialog at $dpi DPI"
    set_wine_dpi $dpi
    CORVASET_EXPECT_DPI=$dpi ctest --test-dir "$WINDOWS_BUILD" --output-on-failure --timeout 120 \
        -R 'ui\.(Fit(AtShow)?Test|DialogTest\.Window)|e2e\.UserSession\.SmallScreen' 2>&1 | tee "$BUILD/dpi-$dpi-tests.log"
    count "$BUILD/dpi-$dpi-tests.log"
done
set_wine_dpi 96
stop_wine

echo "== the dialog on a screen large enough for it"
trap 'stop_wine; stop_xvfb' EXIT
start_xvfb && start_wine x11
CORVASET_EXPECT_FIT=1 ctest --test-dir "$WINDOWS_BUILD" --output-on-failure --timeout 120 \
    -R 'ui\.FitTest\.(OnThisScreen|AForgedDpiChange)' 2>&1 | tee "$BUILD/large-screen-tests.log"
count "$BUILD/large-screen-tests.log"
stop_wine
stop_xvfb

echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
