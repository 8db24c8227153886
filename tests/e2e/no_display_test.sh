#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display the switches that end at once still end with 0, and the ones
# that need a window say so in one line and end with 1, never by a signal; those
# that need an X server say so and end with 0.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
varnholt=$VARNHOLT_BIN_DIR/varnholt
message='varnholt: no display to draw on (neither WAYLAND_DISPLAY nor DISPLAY is usable)'
needs_x11='needs an X11 display, and there is none; nothing to do'

# arguments | DISPLAY | XSCREENSAVER_WINDOW | expected status | expected standard error
while IFS='|' read -r args display host status expected; do
  read -ra argv <<<"$args"
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" XSCREENSAVER_WINDOW="$host" \
    "$varnholt" "${argv[@]}" 2>"$E2E_DIR/err"
  got=$?
  [ "$got" -eq "$status" ] || fail "'$args' with DISPLAY='$display' ended with $got, expected $status"
  [ "$(cat "$E2E_DIR/err")" = "$expected" ] || fail "'$args' printed [$(cat "$E2E_DIR/err")]"
done <<ROWS
/a|||0|
/x|:99||0|
/s|||1|$message
|:99||1|$message
/p 1234|||0|varnholt: the preview (/p) $needs_x11
/p 1234|:99||0|varnholt: the preview (/p) $needs_x11
/s||0x1234|0|varnholt: the XScreenSaver mode $needs_x11
/c|:99||1|$message
ROWS
echo "no display: all checks passed"
