#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# "/s" refuses to start beside another instance unless "Display Properties" is open;
# "/c" refuses a second settings dialog with its message.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
start_xvfb 800x600

saver_windows() { xdotool search --onlyvisible --classname varnholt 2>/dev/null | wc -l; }

# Any instance holds the lock, a preview as well as a saver. A preview draws on the
# X server even when Wayland is asked for.
start_test_host Host 152x112
QT_QPA_PLATFORM=wayland "$bin" /p "$host_id" &
e2e_track $!
sleep 1

timeout 5 "$bin" /s || fail "a refused /s must end with status 0"
[ "$(saver_windows)" -eq 1 ] || fail "/s started beside the running preview"

# second_saver_starts WHY ARGS...: a saver with these arguments starts beside the
# preview, and a key ends it with 0.
second_saver_starts() {
  "$bin" "${@:2}" &
  local saver=$!
  e2e_track $saver
  for _ in $(seq 50); do [ "$(saver_windows)" -ge 2 ] && break; sleep 0.1; done
  [ "$(saver_windows)" -ge 2 ] || fail "$1: no second saver started"
  xdotool key a
  wait "$saver" || fail "$1: the second saver ended with $?"
}

second_saver_starts "an empty command line is not subject to the rule"
start_test_host "Display Properties" 300x200
second_saver_starts "/s while Display Properties is open" /s

# A second /c finds the first dialog by its caption, says so once and ends.
"$bin" /c &
e2e_track $!
first=$(wait_for_window "Settings - Varnholt ScreenSaver - v 3.0")
"$bin" /c &
second=$!
message=$(wait_for_window "Varnholt ScreenSaver")
xdotool windowfocus "$message" 2>/dev/null; xdotool key Return
wait "$second" || fail "the second /c ended with $?"
xdotool getwindowname "$first" >/dev/null || fail "the first dialog went away"
echo "second instance end-to-end: all checks passed"
