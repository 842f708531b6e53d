#!/usr/bin/env bash
# Retakes the desktop screens of docs/screens: Korvel's icon at 48 and 256 pixels, and the
# pages of "Sho&w details" and "&Matrix [I-P]" for civil_service_grades.d as a person sees
# them, on a screen of its own
# (Xvfb, no window manager). Needs a built Korvel, xvfb, xdotool, imagemagick, librsvg2-bin.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
korvel="$root/build/app/korvel"
screens="$root/docs/screens"

for size in 48 256; do
    rsvg-convert -w "$size" -h "$size" "$root/package/korvel.svg" -o "$screens/icon_$size.png"
done

work="$(mktemp -d)"
display=":$((90 + RANDOM % 9))"
cp "$root"/examples/* "$work"/
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $korvel_pid $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY="$display"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
sleep 2

cd "$work"
"$korvel" >/dev/null 2>&1 &
korvel_pid=$!
sleep 3
# Without a window manager the pointer gives the focus. The opening screen waits for Enter; the
# instruction screen stays 5 s.
xdotool mousemove 400 200 click 1
sleep 0.5
xdotool key Return
sleep 7
# File > Open datafile: the name typed into the file dialog, then OK on the path's box.
xdotool mousemove 20 8 click 1
sleep 1
xdotool mousemove 70 29 click 1
sleep 2
xdotool type --delay 40 civil_service_grades.d
xdotool key Return
sleep 2
xdotool mousemove 487 178 click 1
sleep 5
# Read data-Show > Read data, then Show details: its first page is the initial data.
xdotool mousemove 130 8 click 1
sleep 1
xdotool mousemove 137 29 click 1
sleep 8
xdotool mousemove 130 8 click 1
sleep 1
xdotool mousemove 145 53 click 1
sleep 3
import -window root "$screens/details_x_table.png"
# A click turns each page: P, then the roots, then the verdict for 2.5 s.
xdotool mousemove 400 200 click 1
sleep 2
import -window root "$screens/details_p_table.png"
xdotool mousemove 400 200 click 1
sleep 2
import -window root "$screens/details_roots_table.png"
xdotool mousemove 400 200 click 1
sleep 0.5
import -window root "$screens/details_verdict.png"
sleep 4
# Read data-Show > Matrix [I-P]: [I - P], then its inverse.
xdotool mousemove 130 8 click 1
sleep 1
xdotool mousemove 140 77 click 1
sleep 3
import -window root "$screens/details_i_minus_p.png"
xdotool mousemove 400 200 click 1
sleep 2
import -window root "$screens/details_inverse.png"
