#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# varnholt.scr "/s" under Wine on a private 1280x720 X server: it draws the countdown, refuses a second
# "/s", and ends on a character key (not on Shift alone), on the ninth mouse move and on a click.
#   saver_test.sh <build dir> <varnholt.scr>
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=wine_display.sh
source "$(dirname "$0")/wine_display.sh"
build=$1
scr=$2
wine_display "$build" wine-e2e
# The defaults: no settings left by an earlier run.
wine reg delete 'HKCU\Software\Kestle' /f >/dev/null 2>&1 || true
shots=$(mktemp -d "${TMPDIR:-/tmp}/varnholt-wine.XXXXXX")
_e2e_dirs+=("$shots")
# The default colour of the line that says the date has passed.
text_colour="#FF0000"

start_saver() {
  wine "$scr" /s >/dev/null 2>&1 &
  saver=$!
  local _
  for _ in $(seq 300); do
    if xwininfo -root -children 2>/dev/null | grep -q '"varnholt.scr" "varnholt.scr")  1280x720+0+0'; then
      wait_drawn
      return 0
    fi
    kill -0 "$saver" 2>/dev/null || fail "the saver ended before its window showed"
    sleep 0.1
  done
  fail "no full-screen saver window"
}

text_pixels() {
  import -window root "$shots/screen.png"
  convert "$shots/screen.png" -alpha off -fill black +opaque "$text_colour" -fill white -opaque "$text_colour" \
    -format '%[fx:round(mean*w*h)]' info:
}

# Input sent before the first frame may reach Wine before the window takes it, as no user's would.
wait_drawn() {
  local _
  drawn=0
  for _ in $(seq 50); do
    drawn=$(text_pixels)
    [ "$drawn" -gt 200 ] && return 0
    sleep 0.2
  done
}

# ended SECONDS: the saver ended within the time; its status in $status.
ended() {
  local _
  for _ in $(seq $(($1 * 10))); do
    if ! kill -0 "$saver" 2>/dev/null; then
      status=0
      wait "$saver" || status=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

xdotool mousemove 5 5
start_saver
echo "countdown drawn: $drawn pixels of $text_colour"
[ "$drawn" -gt 200 ] || fail "no countdown text on the screen"
cp "$shots/screen.png" "${VARNHOLT_WINE_SHOT:-/dev/null}" 2>/dev/null || true

second=0
wine "$scr" /s >/dev/null 2>&1 || second=$?
windows=$(xwininfo -root -children | grep -c '"varnholt.scr" "varnholt.scr")  1280x720+0+0' || true)
echo "second /s: status $second, saver windows $windows"
if [ "$second" -ne 0 ] || [ "$windows" -ne 1 ]; then fail "a second /s was not refused"; fi
kill -0 "$saver" || fail "the first saver ended with the second"

xdotool key Shift_L
if ended 2; then fail "Shift alone ended the saver"; fi
echo "Shift_L: still running"
xdotool key a
ended 10 || fail "the key a did not end the saver"
echo "key a: ended with status $status"
[ "$status" -eq 0 ] || fail "status $status after a key"

# Eight moves leave the saver running; the ninth ends it.
xdotool mousemove 5 5
start_saver
for i in $(seq 8); do
  xdotool mousemove $((100 + i * 10)) 200
done
if ended 2; then fail "eight mouse moves ended the saver"; fi
echo "eight mouse moves: still running"
xdotool mousemove 300 300
ended 10 || fail "the ninth mouse move did not end the saver"
echo "ninth mouse move: ended with status $status"

start_saver
xdotool click 1
ended 10 || fail "a click did not end the saver"
echo "click: ended with status $status"
