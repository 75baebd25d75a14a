#!/usr/bin/env bash
# A program we ship must be a 32-bit Windows program of the given subsystem
# (gui or console) that imports only Windows' own DLLs, so it runs on a bare
# Windows without any runtime installed, and no larger than its size budget.
# Windows XP must load it: its headers say 5.1 and every function it imports
# is one XP has (scripts/xp-imports.sh).
# Usage: scripts/check-exe.sh gui|console EXE [MAX_BYTES]
set -euo pipefail
kind=$1 exe=$2 max_bytes=${3:-}
case "$kind" in
gui) subsystem=2 ;;
console) subsystem=3 ;;
*) echo "usage: $0 gui|console EXE" >&2; exit 2 ;;
esac
headers=$(i686-w64-mingw32-objdump -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || { echo "not PE32 i386"; exit 1; }
grep -Eq "^Subsystem[[:space:]]+0*$subsystem[[:space:]]" <<<"$headers" || { echo "not the $kind subsystem"; exit 1; }
for field in OSystem Subsystem; do  # objdump's names of the OS and the subsystem version
    grep -Eq "^Major${field}Version[[:space:]]+5$" <<<"$headers" &&
        grep -Eq "^Minor${field}Version[[:space:]]+1$" <<<"$headers" ||
        { echo "its $field version is not 5.1 (Windows XP)"; exit 1; }
done
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|msvcrt|advapi32)\.dll$'
status=0
while read -r dll; do
    if [[ ! ${dll,,} =~ $allowed ]]; then echo "unexpected import: $dll"; status=1; fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
"$(dirname "$0")/xp-imports.sh" "$exe" || status=1
size=$(stat -c %s "$exe")
if [ -n "$max_bytes" ] && [ "$size" -gt "$max_bytes" ]; then
    echo "$size bytes, more than its budget of $max_bytes"
    status=1
fi
[ $status -eq 0 ] && echo "PE32 $kind, $size bytes, imports: $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '\n' ' ')"
exit $status
