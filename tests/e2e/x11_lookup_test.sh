#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Window look-up by title, client size and the host watcher against a real X server.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_setup
start_xvfb 1024x768

wait_for_line() { # FILE TEXT: within 5 s
  for _ in $(seq 50); do grep -qx "$2" "$1" && return 0; sleep 0.1; done
  fail "\"$2\" not printed; got: $(tr '\n' '|' <"$1")"
}

start_test_host "Display Properties" 152x112 --watch-activation
display_id=$host_id activations=$host_output
start_test_host "Framed Ünïcode" 80x60 --framed
framed_id=$host_id
start_test_host "Host" 152x112
[ "$(window_geometry "$host_id")" = 152x112+0+0 ] || fail "the host helper made $(window_geometry "$host_id")"

# title, expected exit status of "find"
while IFS='|' read -r title expected; do
  status=0
  "$probe" find "$title" || status=$?
  [ "$status" -eq "$expected" ] || fail "find \"$title\" gave $status, expected $expected"
done <<'ROWS'
Display Properties|0
Framed Ünïcode|0
Host|0
Display|1
Display Propertie|1
Display Properties |1
display properties|1
Framed|1
|1
ROWS

# Activation names the titled window itself, also inside a frame, and nothing for an unknown title.
"$probe" activate "Display Properties"
wait_for_line "$activations" "activate $display_id"
"$probe" activate "Display"
"$probe" activate "Framed Ünïcode"
wait_for_line "$activations" "activate $framed_id"
[ "$(grep -c '^activate' "$activations")" -eq 2 ] ||
  fail "activation requests: $(grep '^activate' "$activations" | tr '\n' '|')"

size=$("$probe" size "$host_id")
[ "$size" = 152x112 ] || fail "client size of the 152 x 112 host is $size"
for id in 0 4294967295; do
  [ "$("$probe" size "$id")" = none ] || fail "id $id, which names no window, has a size"
done

# The watcher reports size changes and the host's end.
"$probe" watch "$host_id" >"$E2E_DIR/watch.out" &
watch_pid=$!
e2e_track "$watch_pid"
sleep 0.5
xdotool windowsize "$host_id" 200 150
wait_for_line "$E2E_DIR/watch.out" "resized 200x150"
[ "$("$probe" size "$host_id")" = 200x150 ] || fail "the client size does not follow a resize"
kill "$host_pid"
wait_for_line "$E2E_DIR/watch.out" destroyed
wait "$watch_pid" || fail "the watcher ended with status $?"

# A window already gone is reported at once, and its id has no size.
[ "$("$probe" size "$host_id")" = none ] || fail "a destroyed window still has a size"
"$probe" find "Host" && fail "a destroyed window is still found"
timeout 5 "$probe" watch "$host_id" >"$E2E_DIR/gone.out" || fail "watching a gone window did not end"
grep -qx destroyed "$E2E_DIR/gone.out" || fail "watching a gone window printed: $(cat "$E2E_DIR/gone.out")"

echo "x11 look-up end-to-end: all checks passed"
