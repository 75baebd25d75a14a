#!/usr/bin/env bash
# Shows corvaset.exe on a private Xvfb screen and saves a PNG of its dialog.
# Usage: scripts/screenshot.sh OUTPUT.png [WIDTHxHEIGHT]   (expects a Windows build)
# With a screen size, the whole screen is saved: on a screen smaller than the
# dialog it shows the window fitted to it with its scroll bars.
set -euo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix screen "$@"
out=$(realpath -m "${1:-$BUILD/corvaset.png}")
screen=${2:-}

workdir=$(mktemp -d)
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
    stop_wine
    stop_xvfb
    rm -rf "$workdir"
}
trap cleanup EXIT

start_xvfb "${screen:-1280x1024}"
start_wine x11
(cd "$workdir" && exec wine "$WINDOWS_BUILD/corvaset.exe") >/dev/null 2>&1 &
app_pid=$!

window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Tessan Corvaset - v1.0"/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the dialog did not appear" >&2; exit 1; }
sleep 1  # let it finish painting
mkdir -p "$(dirname "$out")"
if [ -n "$screen" ]; then import -window root "$out"; else import -window "$window" "$out"; fi
echo "Screenshot of the dialog: $out"
