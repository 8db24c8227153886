#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The saver and the settings dialog on Wayland, under a headless sway with a keyboard:
# full screen on the output, ended by the first key, one of each at a time.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sway.sh"
e2e_setup
install -m 755 "$bin" "$E2E_DIR/varnholt"
printf '[Common]\nTitle=On Wayland\nDate=2099-01-01\n[ScreenSaver]\nBackground=8388608\nTextFontSize0=40\n' >"$ini"
start_sway 1
export QT_QPA_PLATFORM=wayland

ends_with_0() { # PID WHAT
  local _
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || { wait "$1" || fail "$2: ended with $?"; return 0; }
    sleep 0.1
  done
  fail "$2: still running"
}

run_as_user "$E2E_DIR/varnholt" /s &
saver=$!
e2e_track "$saver"
wait_for_sway_window '.app_id == "varnholt" and .fullscreen_mode == 1 and .rect.width == 1280 and .rect.height == 720'
sleep 2
run_as_user grim - >"$E2E_DIR/saver.png"
# Anything not the navy background is the block's text.
text=$(convert "$E2E_DIR/saver.png" -fuzz 10% -fill black -opaque '#000080' -fill white +opaque black \
  -colorspace gray -format '%[fx:mean*w*h]' info:)
awk -v n="$text" 'BEGIN { exit !(n > 100) }' || fail "no text on the screen (non-background pixels: $text)"

run_as_user timeout 5 "$E2E_DIR/varnholt" /s || fail "a refused /s must end with status 0"
kill -0 "$saver" 2>/dev/null || fail "the first saver ended when a second /s was refused"
run_as_user "$E2E_DIR/varnholt" /p 1234 2>"$E2E_DIR/err" || fail "/p without an X server ended with $?"
grep -qx 'varnholt: the preview (/p) needs an X11 display, and there is none; nothing to do' "$E2E_DIR/err" ||
  fail "/p printed [$(cat "$E2E_DIR/err")]"

run_as_user wtype a
ends_with_0 "$saver" "the saver after one key"

# Qt's scale factor on top of the output's scale: the lines twice as large, not the same size.
text_height() {
  convert "$1" -fuzz 10% -fill black -opaque '#000080' -format '%@' info: | awk -F'[x+]' '{ print $2 }'
}
run_as_user env QT_SCALE_FACTOR=2 "$E2E_DIR/varnholt" /s &
saver=$!
e2e_track "$saver"
wait_for_sway_window '.app_id == "varnholt" and .fullscreen_mode == 1'
sleep 2
run_as_user grim - >"$E2E_DIR/saver2.png"
single=$(text_height "$E2E_DIR/saver.png") double=$(text_height "$E2E_DIR/saver2.png")
echo "text $single pixels high at scale factor 1, $double at 2"
awk -v a="$single" -v b="$double" 'BEGIN { exit !(b >= 1.8 * a && b <= 2.2 * a) }' ||
  fail "the text at scale factor 2 is $double pixels high, at 1 $single"
run_as_user wtype a
ends_with_0 "$saver" "the saver at scale factor 2 after one key"

# Without an X window list, the open dialog's lock refuses a second one, with the message.
run_as_user "$E2E_DIR/varnholt" /c &
e2e_track $!
wait_for_sway_window '.name == "Settings - Varnholt ScreenSaver - v 3.0"'
run_as_user "$E2E_DIR/varnholt" /c &
second=$!
e2e_track "$second"
wait_for_sway_window '.name == "Varnholt ScreenSaver" and .focused'
# Sway reports the box focused a moment before the box learns it has the keyboard; a key in
# between is lost, as it would be for a person pressing Enter as the box appears.
for _ in 1 2 3 4 5; do
  run_as_user wtype -k Return
  sleep 0.5
  kill -0 "$second" 2>/dev/null || break
done
ends_with_0 "$second" "the second /c"
wait_for_sway_window '.name == "Settings - Varnholt ScreenSaver - v 3.0"'
echo "Wayland end-to-end: all checks passed"
