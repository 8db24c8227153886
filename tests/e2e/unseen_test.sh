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

# The left edge of the text in the top row (it comes in from the right), or nothing.
text_left() {
  screenshot "$E2E_DIR/$1.png"
  convert "$E2E_DIR/$1.png" -crop 1024x40+0+0 +repage -fuzz 10% -trim -format '%w %X' info: 2>/dev/null |
    awk '$1 > 1 { sub(/^\+/, "", $2); print $2 }'
}

wake_ups() { # voluntary and involuntary context switches of all the saver's threads
  cat /proc/"$saver"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'
}

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

before=$(text_left before)
start_test_host "Cover" 1024x768 --override-redirect
sleep 1
woken=$(wake_ups)
sleep 2
woken=$(($(wake_ups) - woken))
[ "$woken" -le 8 ] || fail "covered, the saver woke $woken times in 2 s"

kill "$host_pid"
wait "$host_pid" 2>/dev/null || true
after=$(text_left after)
[ -n "$after" ] || fail "uncovered, the block is gone"
# Covered for over 3 s, the block would have gone on 640 pixels or more.
if [ "$after" -gt "$before" ] || [ $((before - after)) -ge 320 ]; then
  fail "the block was at $before before the cover and at $after after it: it did not go on from where it stopped"
fi
sleep 1
moved=$(text_left moved)
if [ -z "$moved" ] || [ $((after - moved)) -le 100 ]; then
  fail "the block stays at $after after the cover (then ${moved:-gone})"
fi
kill -0 "$saver" 2>/dev/null || fail "the saver ended while covered"
echo "covered: $woken wake-ups in 2 s; block at $before, $after after uncovering, $moved a second later"
