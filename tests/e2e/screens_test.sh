#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The saver covers screens of every size, including those beyond 32767 twips, and its text moves on them.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
# Fast enough to cross a large part of even the widest screen within the wait below.
printf '[Common]\nDate=2099-01-01\n[ScreenSaver]\nSpeed=300\n' >"$XDG_CONFIG_HOME/Kestle/Varnholt.ini"

for size in 1024x768 1920x1080 2560x1440 3840x2160; do
  id=""
  start_xvfb "$size" # each size on its own X server
  "$bin" /s &
  saver=$!
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --classname varnholt 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "${id:-}" ] || fail "$size: no saver window"
  xdotool getwindowgeometry "$id" | grep -q "Geometry: $size" || fail "$size: the window does not cover the screen"
  width=${size%x*}
  seen=0
  for _ in 1 2 3 4 5; do # the block is off the screen for a moment between paths
    sleep 0.5
    screenshot "$E2E_DIR/screen-$size.png"
    lit=$(convert "$E2E_DIR/screen-$size.png" -crop "${width}x80+0+0" -fuzz 10% -fill white +opaque black \
      -colorspace gray -format '%[fx:mean*w*h]' info:)
    awk -v n="$lit" 'BEGIN { exit !(n > 50) }' && { seen=1; break; }
  done
  [ "$seen" -eq 1 ] || fail "$size: no text in the top row"
  xdotool key a
  wait "$saver" || fail "$size: the saver ended with $?"
  kill "${_e2e_pids[-1]}"
done
echo "screens end-to-end: all checks passed"
