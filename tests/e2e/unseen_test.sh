#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The full-screen saver under a window that covers it all: its ticks stop and it hardly wakes;
# uncovered, the block goes on from where it stopped and moves again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
start_xvfb 1024x768

cat >"$ini" <<'INI'
[Common]
Date=2099-01-01
[ScreenSaver]
Speed=50
INI

# The left edge of the text in the top row (it comes in from the right) in a grab, or nothing.
left_in() {
  convert "$E2E_DIR/$1.png" -crop 1024x40+0+0 +repage -fuzz 10% -trim -format '%w %X' info: 2>/dev/null |
    awk '$1 > 1 { sub(/^\+/, "", $2); print $2 }'
}

text_left() {
  screenshot "$E2E_DIR/$1.png"
  left_in "$1"
}

wake_ups() { # voluntary and involuntary context switches of all the saver's threads
  cat /proc/"$saver"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'
}

# In the block's way: a block passing under a still pointer is no mouse move.
xdotool mousemove 600 8
"$bin" /s &
saver=$!
e2e_track "$saver"
for _ in $(seq 100); do
  left=$(text_left start)
  [ -n "$left" ] && [ "$left" -lt 900 ] && break
  kill -0 "$saver" 2>/dev/null || fail "the saver ended on its own"
  sleep 0.1
done
if [ -z "$left" ] || [ "$left" -ge 900 ]; then fail "the block did not come into sight"; fi

# Read after the cover is up, so that the grab is as close to it as can be.
screenshot "$E2E_DIR/before.png"
start_test_host "Cover" 1024x768 --override-redirect
before=$(left_in before)
[ -n "$before" ] || fail "the block was not in sight when covered"
sleep 2
woken=$(wake_ups)
sleep 2
woken=$(($(wake_ups) - woken))
# At most twice a second in all; moving, the saver wakes more than that.
[ "$woken" -le 4 ] || fail "covered, the saver woke $woken times in 2 s"

kill "$host_pid"
wait "$host_pid" 2>/dev/null || true
after=$(text_left after)
[ -n "$after" ] || fail "uncovered, the block is gone"
# Covered for over 4 s, the block would have gone on 850 pixels or more.
if [ "$after" -gt "$before" ] || [ $((before - after)) -ge 400 ]; then
  fail "the block was at $before before the cover and at $after after it: it did not go on from where it stopped"
fi
sleep 1
moved=$(text_left moved)
if [ -z "$moved" ] || [ $((after - moved)) -le 100 ]; then
  fail "the block stays at $after after the cover (then ${moved:-gone})"
fi
kill -0 "$saver" 2>/dev/null || fail "the saver ended while covered or under a still pointer"
echo "covered: $woken wake-ups in 2 s; block at $before, $after after uncovering, $moved a second later"
