#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SIGTERM, as a screen-saver host sends it, ends the process with 0 in every
# state: message boxes during start-up, the dialog, the browser, the preview and
# the hosted saver.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
start_xvfb 1280x1024
printf 'not a picture' >"$E2E_DIR/broken.png"

# terminate NAME PID: SIGTERM, then the process must end with 0 within 10 s.
terminate() {
  kill -TERM "$2"
  for _ in $(seq 100); do kill -0 "$2" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$2" 2>/dev/null && fail "$1: still running 10 s after SIGTERM"
  local status=0
  wait "$2" || status=$?
  [ "$status" -eq 0 ] || fail "$1: ended with $status after SIGTERM"
}

# start NAME SETTINGS WINDOW-TITLE ARGS...: starts the program and waits for the window.
start() {
  printf '%b' "$2" >"$ini"
  "$bin" "${@:4}" &
  pid=$!
  e2e_track $pid
  window=$(wait_for_window "$3") || fail "$1: no window \"$3\""
}

dialog_title="Settings - Varnholt ScreenSaver - v 3.0"
start "load error" "[ScreenSaver]\nImageUsed=1\nImageStyle=1\nImagePath=$E2E_DIR/\nImageName=broken.png\n" \
  "Varnholt ScreenSaver" /s
terminate "load error" $pid
start "date error" '[Common]\nDate=31/02/2011\n' "Varnholt ScreenSaver" /s
terminate "date error" $pid
start "dialog" '[ScreenSaver]\nImageUsed=1\n' "$dialog_title" /c
terminate "dialog" $pid
start "browser" '[ScreenSaver]\nImageUsed=1\n' "$dialog_title" /c
# Select Image...: 6048, 3024 twips, 1464 x 300, at 15 twips per pixel.
xdotool mousemove --window "$window" 452 211 click 1
wait_for_window "Browse for Images - Varnholt ScreenSaver" >/dev/null || fail "browser: did not open"
terminate "browser" $pid

start_test_host "Host" 152x112
start "preview" '' "Preview" /p "$host_id"
terminate "preview" $pid
printf '' >"$ini"
XSCREENSAVER_WINDOW=$host_id "$bin" /s &
pid=$!
e2e_track $pid
sleep 1
kill -0 $pid 2>/dev/null || fail "hosted: ended before SIGTERM"
terminate "hosted" $pid
echo "termination end-to-end: all checks passed"
