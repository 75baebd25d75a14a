#!/usr/bin/env bash
# Every function a program imports from a Windows DLL (the C runtime aside)
# must be one that Windows XP has: one that the Windows headers declare for
# Windows XP (_WIN32_WINNT 0x0501). A translation unit that takes the
# address of each imported function is compiled with those headers; each
# function they do not declare is named, with its DLL. A newer function is
# looked up at run time instead (win32/system_library.h) and not imported.
# Usage: scripts/xp-imports.sh EXE
set -euo pipefail
exe=$1
cc=i686-w64-mingw32-gcc-win32

# "dll function" per import from the import table; the function is
# "<ordinal>" for one imported by number, which the headers cannot vouch for.
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
    /^\tDLL Name: / { dll = tolower($3); next }
    dll == "" || /^\tvma:/ { next }
    NF == 0 { dll = ""; next }
    dll != "msvcrt.dll" { print dll, ($3 ~ /^[A-Za-z_]/ ? $3 : "<ordinal>") }')
[ -n "$imports" ] || { echo "$exe: no imports found"; exit 1; }

status=0
while read -r dll function; do
    [ "$function" = "<ordinal>" ] && { echo "$exe: imports a function of $dll by ordinal"; status=1; }
done <<<"$imports"

# One function per line, so that an error's line names the function.
source=$(mktemp --suffix=.c)
trap 'rm -f "$source"' EXIT
{
    printf '#include <windows.h>\n#include <commctrl.h>\n#include <shlobj.h>\n#include <oleacc.h>\n'
    printf 'void *const imported[] = {\n'
    grep -v '<ordinal>' <<<"$imports" | awk '{ print "    (void *)&" $2 "," }'
    printf '};\n'
} >"$source"
header_lines=5
compiled=yes
errors=$("$cc" -fsyntax-only -D_WIN32_WINNT=0x0501 -DWINVER=0x0501 -DUNICODE -D_UNICODE "$source" 2>&1) || compiled=no
lines=$(sed -n "s|^${source}:\([0-9]*\):[0-9]*: error: .*|\1|p" <<<"$errors" | sort -un)
for line in $lines; do
    read -r dll function < <(grep -v '<ordinal>' <<<"$imports" | sed -n "$((line - header_lines))p")
    echo "$exe imports $function ($dll), which Windows XP lacks: look it up at run time"
    status=1
done
# A failure the lines do not explain (the compiler missing, say) fails too.
if [ -z "$lines" ] && [ $compiled = no ]; then
    echo "$errors"
    status=1
fi
exit $status
