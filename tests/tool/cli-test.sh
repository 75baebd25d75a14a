#!/usr/bin/env bash
# The program as a script uses it: a description made into a file, the file
# checked, described, remade byte for byte and compared, the exit codes of
# the failures, and a table of odd inputs and outputs. Runs the native program directly or the Windows one
# under Wine. Usage: cli-test.sh RUNNER|"" PROGRAM DATA_DIR SCRATCH_DIR
set -uo pipefail
runner=$1 program=$2 data=$3 scratch=$4
platform=native
[ -n "$runner" ] && platform=wine
# Mounts a run interrupted before its end left behind.
for m in $(findmnt -rn -o TARGET | grep "^$scratch/" | sort -r); do umount "$m"; done
rm -rf "$scratch" && mkdir -p "$scratch" && cd "$scratch" || exit 1
cp "$data"/*.desc .
umask 027  # the native program's new files: 0640

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
expect 0 --help
expect 0 --version
[ "$(tr -d '\r' <out.txt)" = "corvaset-dat 1.0.0.0" ] || { echo "FAIL: --version"; cat out.txt; failures=$((failures + 1)); }
expect 0 make session.desc -o -
cmp out.txt a.dat || { echo "FAIL: make -o - wrote other bytes"; failures=$((failures + 1)); }

# --- odd inputs and outputs ---------------------------------------------------
# Each row runs one command and checks its exit code, that what it says (on
# either stream) names the path, and that no file changed and no temporary
# file remains, except the file it was to write, which then holds a.dat's
# bytes with its type and permissions kept (a new one: 0640) and the writer
# as its owner.
# Root (as the tests run here) can mknod and mount; else those rows are skipped.
cp session.desc same.desc && ln same.desc hard.desc && ln -s same.desc samelink.desc
mkfifo fifo
mkdir folder linked 'Größe ünï'
mknod chardev c 1 3 2>/dev/null && can_mknod=yes || can_mknod=no  # the null device
truncate -s 1T big.dat
echo old >linked/target.dat && chmod 640 linked/target.dat && ln -s linked/target.dat link.dat
ln -s target.dat linked/relative.dat  # leads to linked/target.dat, not ./target.dat
ln -s linked/made.dat new-link.dat && ln -s nowhere/lost.dat lost-link.dat  # to files not there yet
echo old >private.dat && chmod 600 private.dat && chown 65534:65534 private.dat 2>/dev/null
ln -s private.dat private-link.dat
# Things at the name earlier versions gave their temporary file (the
# target's name + .corvaset-tmp): each stays as it is, and so does what a
# link there leads to.
mkdir outside && echo victim >outside/victim.txt && echo mine >own.txt
ln -s ../outside/victim.txt t1.dat.corvaset-tmp && ln own.txt t2.dat.corvaset-tmp
mkdir t3.dat.corvaset-tmp && mkfifo t4.dat.corvaset-tmp
echo ro >t5.dat.corvaset-tmp && chmod 444 t5.dat.corvaset-tmp
echo theirs >t6.dat.corvaset-tmp && chown 65534:65534 t6.dat.corvaset-tmp 2>/dev/null
echo mine >t7.dat.corvaset-tmp
mounts=()
cleanup() { for m in "${mounts[@]}"; do umount "$m"; done; }
trap cleanup EXIT
# A full disk (the write fails once the temporary file exists) and a file
# that is a mount point (the rename fails): root only.
can_mount=no
if mkdir full && mount -t tmpfs -o size=16k tmpfs full 2>/dev/null; then
    mounts+=("$PWD/full")
    echo old >full/a.dat && dd if=/dev/zero of=full/filler bs=4k 2>/dev/null
    echo old >busy.dat && echo other >busy-source.dat
    mount --bind busy-source.dat busy.dat && mounts+=("$PWD/busy.dat") && can_mount=yes
fi

snapshot() {  # every file but the command's output: path, type, mode, owner, link, size, bytes
    find . -mindepth 1 ! -name out.txt ! -name err.txt -printf '%p %y %m %U:%G %l %s\n' | sort
    find . -type f -size -1M ! -name out.txt ! -name err.txt -exec md5sum {} + | sed -E 's/^([0-9a-f]+)  (.*)$/\2 md5 \1/' | sort
}
others() { snapshot | awk -v w="./$1 " 'index($0, w) != 1'; }  # the snapshot of every file but $1
# What a written file keeps: its type and permissions; its owner becomes the
# writer. Wine creates files in its server process, under the server's
# umask: there only type and owner.
links=yes
[ $platform = wine ] && [ "${CORVASET_AS_WINDOWS_XP:-}" = 1 ] && links=no
kept='%y %m' new_file='f 640' writer="$(id -u):$(id -g)"
[ $platform = wine ] && kept='%y' new_file='f'

# row WHERE CODE SAYS WRITES STDIN STDOUT ARGS...
#   WHERE: both, native, wine, mknod/mount (both, where that can be set up),
#   or links (both, but not as Windows XP, which has no links to files)
row() {
    local where=$1 code=$2 says=$3 writes=$4 stdin=$5 stdout=$6; shift 6
    case $where in
    native | wine) [ "$where" = "$platform" ] || return 0 ;;
    mknod) [ $can_mknod = yes ] || { echo "SKIP (needs mknod): $*"; return 0; } ;;
    mount) [ $can_mount = yes ] || { echo "SKIP (needs mount): $*"; return 0; } ;;
    links) [ $links = yes ] || { echo "SKIP (Windows XP has no links to files): $*"; return 0; } ;;
    esac
    local before after got
    before=$(others "$writes")
    [ "$writes" = - ] || before_line="$(find "./$writes" -maxdepth 0 -printf "$kept" 2>/dev/null ||
                                        echo "$new_file") $writer"
    timeout 20 $runner "$program" "$@" <"$stdin" >"$stdout" 2>err.txt
    got=$?
    after=$(others "$writes")
    local fault=""
    [ "$got" -eq "$code" ] || fault+=" exited $got, expected $code;"
    [ -z "$says" ] || cat out.txt err.txt 2>/dev/null | grep -q -F -- "$says" || fault+=" does not say \"$says\";"
    [ "$before" = "$after" ] || fault+=" changed files: $(diff <(echo "$before") <(echo "$after") | grep '^[<>]' | tr '\n' ' ');"
    if [ "$writes" != - ]; then
        cmp -s "$writes" a.dat || fault+=" $writes does not hold the made file;"
        [ "$(find "./$writes" -maxdepth 0 -printf "$kept %U:%G")" = "$before_line" ] ||
            fault+=" $writes is not $before_line;"
    fi
    [ -z "$fault" ] && return 0
    echo "FAIL: corvaset-dat $* <$stdin >$stdout:$fault"; cat err.txt
    failures=$((failures + 1))
}

#    where  code says                                              writes             stdin        stdout
row  both   4    "fifo: cannot read: is a named pipe (FIFO)"       -                  /dev/null    out.txt     make fifo -o new.dat
row  mknod  4    "chardev: cannot read: is a device"               -                  /dev/null    out.txt     show chardev
row  both   4    "folder: cannot read: is a folder"                -                  /dev/null    out.txt     check folder
row  both   2    "big.dat: error: more than 1048576 bytes"         -                  /dev/null    out.txt     check big.dat
row  both   4    "same.desc: cannot write: it is the file being"   -                  /dev/null    out.txt     make same.desc -o same.desc
row  both   4    "folder/../same.desc: cannot write: it is the"    -                  /dev/null    out.txt     make same.desc -o folder/../same.desc
row  both   4    "hard.desc: cannot write: it is the file being"   -                  /dev/null    out.txt     make same.desc -o hard.desc
row  both   4    "samelink.desc: cannot write: it is the file"     -                  /dev/null    out.txt     make same.desc -o samelink.desc
row  wine   4    "SAME.DESC: cannot write: it is the file being"   -                  /dev/null    out.txt     make same.desc -o SAME.DESC
row  both   4    "same.desc: cannot write: it is the file being"   -                  same.desc    out.txt     make - -o same.desc
row  mknod  4    "chardev: cannot write: is a device"              -                  /dev/null    out.txt     make session.desc -o chardev
row  both   4    "fifo: cannot write: is a named pipe (FIFO)"      -                  /dev/null    out.txt     make session.desc -o fifo
row  both   4    "folder: cannot write: a folder of that name"     -                  /dev/null    out.txt     make session.desc -o folder
row  both   4    "NUL: cannot write: is a Windows device name"     -                  /dev/null    out.txt     make session.desc -o NUL
row  both   4    "folder/Aux.dat: cannot write: is a Windows devi" -                  /dev/null    out.txt     make session.desc -o folder/Aux.dat
row  both   4    "com7 .txt: cannot read: is a Windows device name" -                 /dev/null    out.txt     check "com7 .txt"
row  both   0    ""                                                console.dat        /dev/null    out.txt     make session.desc -o console.dat
row  both   4    "cannot write to standard output"                 -                  /dev/null    /dev/full   show a.dat
row  links  0    ""                                                linked/target.dat  /dev/null    out.txt     make session.desc -o link.dat
row  links  0    ""                                                linked/target.dat  /dev/null    out.txt     make session.desc -o linked/relative.dat
row  links  0    ""                                                linked/made.dat    /dev/null    out.txt     make session.desc -o new-link.dat
row  links  4    "lost-link.dat: cannot write"                     -                  /dev/null    out.txt     make session.desc -o lost-link.dat
row  native 0    ""                                                private.dat        /dev/null    out.txt     make session.desc -o private-link.dat
row  both   0    ""                                                "Größe ünï/b.dat"  /dev/null    out.txt     make session.desc -o "Größe ünï/b.dat"
row  both   4    "Größe ünï/c.dat: cannot read: no such file"      -                  /dev/null    out.txt     check "Größe ünï/c.dat"
row  both   0    ""                                                piped.dat          session.desc out.txt     make - -o piped.dat
row  both   0    "-: 0 errors, 0 warnings"                         -                  a.dat        out.txt     check -
row  mount  4    "full/a.dat: cannot write"                        -                  /dev/null    out.txt     make session.desc -o full/a.dat
row  mount  4    "busy.dat: cannot write"                          -                  /dev/null    out.txt     make session.desc -o busy.dat
for t in t1 t2 t3 t4 t5 t6 t7; do
row  both   0    ""                                                $t.dat             /dev/null    out.txt     make session.desc -o $t.dat
done

# Writers at once through a link to a file not there yet: the link stays a
# link, and its file is one writer's whole file.
mkdir racing
for round in $(seq 20); do
    [ $links = yes ] || break
    rm -f racing/new.dat && ln -sfn racing/new.dat racing.dat
    for _ in 1 2 3 4 5; do $runner "$program" make session.desc -o racing.dat >/dev/null 2>&1 </dev/null & done
    wait
    if [ ! -L racing.dat ] || ! cmp -s racing/new.dat a.dat; then
        echo "FAIL: round $round of writers through racing.dat: $(ls -l racing.dat racing)"
        failures=$((failures + 1))
        break
    fi
done

# Killed the moment its temporary file shows: the target is the old or the
# new file whole, and nothing is left beside it, but for a rare kill in
# the instant between taking the temporary file's deletion mark back and
# its rename (Windows XP, which cannot mark it, may leave it each time).
mkdir killed
kills=0 left=0
for round in $(seq 20); do
    cp zero.dat killed/t.dat
    $runner "$program" make session.desc -o killed/t.dat >/dev/null 2>&1 </dev/null &
    writer=$!
    while kill -0 $writer 2>/dev/null; do
        if ls -A killed | grep -q -v '^t\.dat$'; then kill -9 $writer 2>/dev/null && kills=$((kills + 1)); break; fi
    done
    wait $writer 2>/dev/null
    if ! cmp -s killed/t.dat a.dat && ! cmp -s killed/t.dat zero.dat; then
        echo "FAIL: round $round of killed writers: killed/t.dat is neither file whole"; failures=$((failures + 1))
    fi
    for _ in $(seq 10); do  # Wine's server closes what a killed program held
        ls -A killed | grep -q -v '^t\.dat$' || continue 2
        sleep 0.1
    done
    left=$((left + 1)) && find killed -mindepth 1 ! -name t.dat -delete
done
if [ $left -gt 3 ] && [ "${CORVASET_AS_WINDOWS_XP:-}" != 1 ]; then
    echo "FAIL: $left of $kills killed writers left their temporary file"; failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "all exit codes, the round trip and the odd files as expected ($kills writers killed, $left left a file)"
exit $((failures != 0))
