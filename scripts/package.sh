#!/usr/bin/env bash
# Builds the release archive dist/corvaset-VERSION-win32.zip, VERSION being
# the one of the version record in res/corvaset.rc: corvaset.exe and
# corvaset-dat.exe as the Windows build made them (the ones scripts/test.sh
# tests), READ-ME.txt for makers (made from README.md and docs/keys.md) and
# SHA256SUMS.
set -euo pipefail
source "$(dirname "$0")/common.sh"

"$ROOT/scripts/install-deps.sh"
build_windows >/dev/null
cmake --build "$WINDOWS_BUILD" --target corvaset_archive >/dev/null
archive=$(sed -n 's/^CORVASET_ARCHIVE:INTERNAL=//p' "$WINDOWS_BUILD/CMakeCache.txt")
cmake -E tar tf "$archive"
echo "$(sha256sum "$archive" | cut -d' ' -f1)  $archive"
