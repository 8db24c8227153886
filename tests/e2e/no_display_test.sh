#!/usr/bin/env bash
# Without a display the switches that end at once still end with 0, and the ones
# that need a window say so in one line and end with 1, never by a signal.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
varnholt=$VARNHOLT_BIN_DIR/varnholt
message='varnholt: no display to draw on (neither WAYLAND_DISPLAY nor DISPLAY is usable)'

# arguments | DISPLAY | expected status | expected standard error
while IFS='|' read -r args display status expected; do
  read -ra argv <<<"$args"
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$varnholt" "${argv[@]}" 2>"$E2E_DIR/err"
  got=$?
  [ "$got" -eq "$status" ] || fail "'$args' with DISPLAY='$display' ended with $got, expected $status"
  [ "$(cat "$E2E_DIR/err")" = "$expected" ] || fail "'$args' printed [$(cat "$E2E_DIR/err")]"
done <<ROWS
/a||0|
/x|:99|0|
/s||1|$message
|:99|1|$message
/p 1234||1|$message
/c|:99|1|$message
ROWS
echo "no display: all checks passed"
