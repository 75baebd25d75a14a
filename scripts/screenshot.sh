#!/usr/bin/env bash
# Shows corvaset.exe on a private Xvfb screen and saves a PNG of its dialog.
# Usage: scripts/screenshot.sh [--open FILE] OUTPUT.png [WIDTHxHEIGHT]
# (expects a Windows build). With --open the program opens FILE, as
# "corvaset.exe FILE" does.
# With a screen size, the whole screen is saved: on a screen smaller than the
# dialog it shows the window fitted to it with its scroll bars. Fails, saving
# nothing, when the dialog is not painted completely within 30 seconds.
set -euo pipefail
source "$(dirname "$0")/common.sh"
use_wine_prefix screen "$@"
open=
if [ "${1:-}" = --open ]; then
    open=$(realpath -m "$2")
    shift 2
fi
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
# A folder of its own, gone with the picture: the program saves nothing here.
(cd "$workdir" && exec wine "$WINDOWS_BUILD/corvaset.exe" ${open:+"$(winepath -w "$open")"}) >/dev/null 2>&1 &
app_pid=$!

window=
for _ in $(seq 100); do
    # An opened file's path follows the caption.
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Tessan Corvaset - v1.0/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the dialog did not appear" >&2; exit 1; }

capture() {
    if [ -n "$screen" ]; then import -window root "$1"; else import -window "$window" "$1"; fi 2>/dev/null
}

# The controls are painted one by one in the template's order, which on a
# busy machine takes more than a second; the Codec group comes last. Its left
# edge is a grey line at x 932 of the window that runs through y 510..659
# whether the window has its full size or is fitted to a small screen (which
# moves it up 13 pixels); the nearest other lines are 11 pixels away. Succeeds
# when a column of x 927..937 is wholly that line rather than the background,
# or when the window is too small to show it.
has_last_frame() {
    local x0=0 y0=0 w h
    read -r w h < <(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {print w, $2}')
    [ "${w:-0}" -ge 938 ] && [ "${h:-0}" -ge 660 ] || return 0
    [ -n "$screen" ] && read -r x0 y0 < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')
    [ "$(convert "$1" -crop "11x150+$((x0 + 927))+$((y0 + 510))" +repage -threshold 85% \
         -scale '11x1!' -format '%[fx:minima]' info:)" = 0 ]
}

# Taken once the last frame is there and two captures half a second apart
# are the same.
SECONDS=0
shot=$workdir/shot.ppm before=$workdir/before.ppm whole=
while [ "$SECONDS" -lt 30 ]; do
    sleep 0.5
    capture "$shot" || continue
    cmp -s "$shot" "$before" && has_last_frame "$shot" && whole=yes && break
    mv "$shot" "$before"
done
if [ -z "$whole" ]; then
    reason="it kept changing"
    [ -f "$before" ] || reason="the window could not be captured"
    [ -f "$before" ] && ! has_last_frame "$before" && reason="the Codec group's frame is missing"
    echo "the dialog was not painted completely in 30 s ($reason): no screenshot taken" >&2
    exit 1
fi
mkdir -p "$(dirname "$out")"
convert "$shot" "$out"
echo "Screenshot of the dialog: $out"
