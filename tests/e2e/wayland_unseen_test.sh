#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The saver on Wayland stops moving while sway shows another workspace, and goes on from
# where it stopped when its workspace is shown again: the ticks it ran fall short of the
# whole run by about the time it was hidden, not less (it kept ticking or caught up) and not
# more (it never went on).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/sway.sh"
e2e_setup
install -m 755 "$bin" "$E2E_DIR/varnholt"
printf '[Common]\nTitle=Hidden\nDate=2099-01-01\n' >"$ini"
start_sway 1
export QT_QPA_PLATFORM=wayland

run_as_user env VARNHOLT_STATS="$XDG_RUNTIME_DIR/stats" "$E2E_DIR/varnholt" /s &
saver=$!
e2e_track "$saver"
wait_for_sway_window '.app_id == "varnholt" and .fullscreen_mode == 1'
hidden=6
sleep 2
run_as_user swaymsg -q workspace 2
sleep "$hidden"
run_as_user swaymsg -q workspace 1
sleep 3
kill "$saver"
wait "$saver" || fail "the saver ended with $? on SIGTERM"
[ -s "$XDG_RUNTIME_DIR/stats" ] || fail "the saver wrote no figures"
# Ticks due in the run but not run, in seconds of 64 ticks. The saver notices it is hidden
# within about a second (a probe every half second, unseen after 0.4 s without an answer).
awk -v hidden="$hidden" '
  { v[$1] = $2 }
  END {
    missing = v["run_ms"] / 1000 - v["ticks"] / 64
    printf "run %.1f s, ticks %d, not run for %.2f s of %d s hidden\n", v["run_ms"] / 1000, v["ticks"], missing, hidden
    exit !(missing >= hidden - 1.5 && missing <= hidden + 1.5)
  }' "$XDG_RUNTIME_DIR/stats" || fail "the saver did not stop while hidden and go on when shown"
echo "Wayland unseen end-to-end: all checks passed"
