#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# "/c" with real input: type into the Event Text, press OK, read the file.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
start_xvfb 1280x1024
printf '[Common]\nTitle=Trip\nDesktopPath=/opt/kept\n[Other]\nSibling=kept, as typed; yes\n' >"$ini"

"$bin" /c &
dialog_pid=$!
e2e_track $dialog_pid
dialog=$(wait_for_window "Settings - Varnholt ScreenSaver - v 3.0")
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool key End
xdotool type --delay 20 " to Oslo"
sleep 0.3
# OK: 5348, 7716 twips, 1116 x 360, at 15 twips per pixel.
xdotool mousemove --window "$dialog" 393 526 click 1
for _ in $(seq 50); do kill -0 "$dialog_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$dialog_pid" 2>/dev/null && fail "OK did not close the dialog"
wait "$dialog_pid" || fail "the dialog process ended with $?"

grep -qx 'Title=Trip to Oslo' "$ini" || { cat "$ini" >&2; fail "the new Event Text was not written"; }
grep -qx 'DesktopPath=/opt/kept' "$ini" || fail "DesktopPath was lost"
grep -qx 'Sibling=kept, as typed; yes' "$ini" || fail "another program's key was lost"
grep -q '^Speed=50$' "$ini" || fail "the other settings were not written"
echo "settings dialog end-to-end: all checks passed"
