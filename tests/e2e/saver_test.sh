#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real saver under Xvfb with real X input.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
start_xvfb 1024x768

cat >"$XDG_CONFIG_HOME/Kestle/Varnholt.ini" <<'INI'
[Common]
Date=2099-01-01
[ScreenSaver]
Speed=0
INI

start_saver() {
  "$bin" "$@" &
  saver=$!
  for _ in $(seq 100); do
    xdotool search --onlyvisible --classname varnholt >/dev/null 2>&1 && return 0
    kill -0 "$saver" 2>/dev/null || fail "the saver ended on its own"
    sleep 0.1
  done
  fail "no saver window appeared"
}

ends_within() { # seconds; the saver's exit status must be 0
  for _ in $(seq $(($1 * 10))); do
    if ! kill -0 "$saver" 2>/dev/null; then
      wait "$saver" || fail "the saver ended with status $?"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

still_running() {
  sleep 0.5
  kill -0 "$saver" 2>/dev/null
}

# The window covers the screen and shows the text at the top-left start of a still block.
start_saver /s
sleep 1
geometry=$(xdotool getwindowgeometry "$(xdotool search --onlyvisible --classname varnholt | head -1)")
grep -q 'Geometry: 1024x768' <<<"$geometry" || fail "window does not cover the screen: $geometry"
# An empty caption under both names: the toolkit fills _NET_WM_NAME with the program's name.
names=$(xprop -id "$(xdotool search --onlyvisible --classname varnholt | head -1)" _NET_WM_NAME WM_NAME)
[ "$names" = $'_NET_WM_NAME(UTF8_STRING) = \nWM_NAME(STRING) = ' ] || fail "the saver window is named: $names"
screenshot "$E2E_DIR/saver.png"
# Speed 0 keeps the block where the first path put it: beyond the right edge, so nothing but
# background is on the screen yet.
colours=$(convert "$E2E_DIR/saver.png" -format %k info:)
[ "$colours" -eq 1 ] || fail "a still block beyond the edge shows nothing, but the screen has $colours colours"

# Eight mouse moves leave it running; the ninth ends it.
for i in $(seq 8); do xdotool mousemove $((100 + i * 7)) $((100 + i * 5)); sleep 0.05; done
still_running || fail "eight mouse moves ended the saver"
xdotool mousemove 400 400
ends_within 3 || fail "the ninth mouse move did not end the saver"

# Shift alone does not end it; a letter does.
start_saver /s
xdotool key shift
xdotool key F5
still_running || fail "a key without a character ended the saver"
xdotool key a
ends_within 3 || fail "a letter did not end the saver"

# A moving block draws text on the screen.
sed -i 's/Speed=0/Speed=50/' "$XDG_CONFIG_HOME/Kestle/Varnholt.ini"
start_saver /s
sleep 2.5
screenshot "$E2E_DIR/moving.png"
top=$(convert "$E2E_DIR/moving.png" -crop 1024x60+0+0 -fuzz 10% -fill white +opaque black -colorspace gray -format '%[fx:mean*w*h]' info:)
awk -v n="$top" 'BEGIN { exit !(n > 50) }' || fail "no text in the top row (non-background pixels: $top)"

# "/s" while another instance runs ends at once; the first stays.
"$bin" /s
second=$?
[ "$second" -eq 0 ] || fail "the second /s ended with $second"
[ "$(xdotool search --onlyvisible --classname varnholt | wc -l)" -eq 1 ] || fail "a second saver window appeared"
xdotool key a
ends_within 3 || fail "the first saver did not end"

# Preview into a 152 x 112 host: runs while the host lives, ends when it is destroyed.
start_test_host "Host" 152x112
"$bin" /p "$host_id" &
saver=$!
for _ in $(seq 50); do
  xwininfo -children -id "$host_id" 2>/dev/null | grep -q '1 child' && break
  sleep 0.1
done
xwininfo -children -id "$host_id" | grep -q '1 child' || fail "the preview did not embed into the host"
child=$(xwininfo -children -id "$host_id" | awk '/^ +0x/ {print $1; exit}')
xwininfo -id "$child" | grep -q 'Width: 152' || fail "the preview does not fill the host"
still_running || fail "the preview ended while its host lives"
kill "$host_pid"
ends_within 5 || fail "the preview outlived its host"

# A file picture at size step 2 is shown at twice its size.
convert -size 60x40 xc:'#00ff00' "$E2E_DIR/green.png"
cat >"$XDG_CONFIG_HOME/Kestle/Varnholt.ini" <<INI
[Common]
Date=2099-01-01
[ScreenSaver]
Speed=0
ImageUsed=1
ImageStyle=1
ImagePath=$E2E_DIR
ImageName=green.png
ImageSize=2
INI
start_saver /s
sleep 1
screenshot "$E2E_DIR/picture.png"
shown=$(convert "$E2E_DIR/picture.png" -fill black +opaque '#00ff00' -trim -format '%wx%h' info:)
[ "$shown" = "120x80" ] || fail "the picture at step 2 is $shown, expected 120x80"
xdotool key a
ends_within 3 || fail "the saver with a picture did not end"

# "/p" without a usable window id ends at once.
timeout 5 "$bin" /p || fail "/p without an id did not end with 0"
timeout 5 "$bin" /p 99999999999999999999 || fail "/p with a huge id did not end with 0"
timeout 5 "$bin" /a || fail "/a did not end with 0"
echo "saver end-to-end: all checks passed"
