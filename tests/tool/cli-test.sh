#!/usr/bin/env bash
# The program as a script uses it: a description made into a file, the file
# checked, described, remade byte for byte and compared, and the exit codes
# of the failures. Runs the native program directly or the Windows one
# under Wine. Usage: cli-test.sh RUNNER|"" PROGRAM DATA_DIR SCRATCH_DIR
set -uo pipefail
runner=$1 program=$2 data=$3 scratch=$4
rm -rf "$scratch" && mkdir -p "$scratch" && cd "$scratch" || exit 1
cp "$data"/*.desc .

failures=0
# expect CODE ARGS...: runs the program and compares its exit code.
expect() {
    local want=$1; shift
    $runner "$program" "$@" >out.txt 2>err.txt </dev/null
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: corvaset-dat $* exited $got, expected $want"; cat out.txt err.txt
        failures=$((failures + 1))
    fi
}

expect 0 make session.desc -o a.dat
[ "$(wc -c <a.dat)" -eq 584 ] || { echo "FAIL: a.dat is not 584 bytes"; failures=$((failures + 1)); }
expect 0 check a.dat
grep -q '0 errors, 0 warnings' out.txt || { echo "FAIL: check a.dat"; cat out.txt; failures=$((failures + 1)); }
expect 0 show a.dat
grep -q 'RecordSelect .* record source Line In' out.txt || { echo "FAIL: show a.dat"; cat out.txt; failures=$((failures + 1)); }
expect 0 show --description a.dat
cp out.txt a.desc
expect 0 make a.desc -o b.dat
cmp a.dat b.dat || { echo "FAIL: the remade file differs"; failures=$((failures + 1)); }
expect 0 diff a.dat b.dat

# Failures: no file made, and each with its own code.
expect 1 make nothing.desc -o c.dat
[ -e c.dat ] && { echo "FAIL: nothing.desc made a file"; failures=$((failures + 1)); }
head -c 300 a.dat >short.dat
expect 2 check short.dat
grep -q 'offset 300, record 37 (EnableLoudness): the file is cut short' out.txt ||
    { echo "FAIL: check short.dat"; cat out.txt; failures=$((failures + 1)); }
head -c 584 /dev/zero >zero.dat
expect 1 check zero.dat
expect 2 make a.dat -o d.dat
[ -e d.dat ] && { echo "FAIL: a binary description made a file"; failures=$((failures + 1)); }
expect 3 frobnicate
expect 3 make session.desc
expect 4 show missing.dat
mkdir -p folder
expect 4 check folder
expect 0 --help

[ $failures -eq 0 ] && echo "all exit codes and the round trip as expected"
exit $((failures != 0))
