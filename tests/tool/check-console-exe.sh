#!/usr/bin/env bash
# corvaset-dat.exe must be a 32-bit console program that imports only
# Windows' own DLLs, so it runs from a plain command prompt.
set -euo pipefail
exe=$1
headers=$(i686-w64-mingw32-objdump -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || { echo "not PE32 i386"; exit 1; }
grep -Eq '^Subsystem[[:space:]]+0*3[[:space:]]' <<<"$headers" || { echo "not the console subsystem"; exit 1; }
allowed='^(kernel32|user32|msvcrt|advapi32)\.dll$'
status=0
while read -r dll; do
    if [[ ! ${dll,,} =~ $allowed ]]; then echo "unexpected import: $dll"; status=1; fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
[ $status -eq 0 ] && echo "PE32 console, imports: $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '\n' ' ')"
exit $status
