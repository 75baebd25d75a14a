#!/usr/bin/env bash
# Mounts a tiny tmpfs that the save tests fill up, or records why it could
# not be mounted so that the full-disk test skips with that reason.
set -u
action=$1 dir=$2
case "$action" in
mount)
    mkdir -p "$dir"
    umount "$dir" 2>/dev/null
    rm -f "$dir.skip"
    if ! out=$(mount -t tmpfs -o size=64k,mode=0777 tmpfs "$dir" 2>&1); then
        echo "a tmpfs cannot be mounted on this machine: $out" > "$dir.skip"
    fi
    ;;
unmount)
    umount "$dir" 2>/dev/null
    rm -f "$dir.skip"
    ;;
esac
exit 0
