#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# varnholt-countdown loads the settings as the saver does and prints its two lines.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
# faketime preloads its library before the sanitizer runtime of an ASAN build.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"
countdown=$VARNHOLT_BIN_DIR/varnholt-countdown

expect() { # today, ini text, expected stdout, expected status, arguments
  printf '%b' "$2" >"$ini"
  local out status=0
  out=$(faketime "$1 12:00:00" "$countdown" "${@:5}" 2>"$E2E_DIR/err") || status=$?
  [ "$status" -eq "$4" ] || fail "today $1: status $status, expected $4"
  [ "$out" = "$(printf '%b' "$3")" ] || fail "today $1: printed [$out], expected [$(printf '%b' "$3")]"
}

expect 2011-03-15 '[Common]\nTitle=Our wedding\nDate=01/01/2012\n[ScreenSaver]\nIncludeDays=1\n' \
  'Our wedding\n 9 months  17 days!   (292 days!)' 0
expect 2011-03-15 '[Common]\nDate=2012-01-01\n' \
  'Main Title Text (Change this!!)\n 9 months  17 days!' 0
# Synchronize off: the texts come from the saver's own section.
expect 2011-03-15 '[Common]\nSynchronize=0\nTitle=shared\nDate=01/01/2000\n[ScreenSaver]\nTitle=own, with; odd "chars"\nDate=16/03/2011\n' \
  'own, with; odd "chars"\n 1 day!' 0
# On the date: an empty first line and the Target Text; after it: the Target Passed Text.
expect 2011-03-15 '[Common]\nTarget=Today!\nDate=15/03/2011\n' '\nToday!' 0
expect 2011-03-15 '[Common]\nTargetPassed=Gone\nDate=14/03/2011\n' '\nGone   (1 day ago!)' 0
# For status bars: one line, blank runs kept; or one JSON object.
expect 2011-03-15 '[Common]\nTitle=Our wedding\nDate=2012-01-01\n[ScreenSaver]\nIncludeDays=1\n' \
  'Our wedding  9 months  17 days!   (292 days!)' 0 --one-line
expect 2011-03-15 '[Common]\nSynchronize=0\nTitle=shared\n[ScreenSaver]\nTitle=say "hi"\\\tnow\nDate=2011-03-25\n' \
  '{"title": "say \\"hi\\"\\\\\\tnow", "timeLeft": " 10 days!", "state": "before", "days": 10}' 0 --json
expect 2011-03-15 '[Common]\nTarget=Today!\nDate=2011-03-15\n' '{"title": "", "timeLeft": "Today!", "state": "on", "days": 0}' 0 --json
expect 2011-03-15 '[Common]\nTargetPassed=Gone\nDate=2011-03-14\n' 'Gone   (1 day ago!)' 0 --one-line
expect 2011-03-15 '[Common]\nSynchronize=1\nTargetPassed=Gone\nDate=2011-01-01\n' \
  '{"title": "", "timeLeft": "Gone   (73 days ago!)", "state": "after", "days": 73}' 0 --json
# The ends of the supported range: the clock is read in seconds, never in 64-bit nanoseconds.
expect 9999-12-30 '[Common]\nDate=31/12/9999\n' 'Main Title Text (Change this!!)\n 1 day!' 0
expect 2262-04-12 '[Common]\nDate=13/04/2262\n' 'Main Title Text (Change this!!)\n 1 day!' 0
expect 1753-01-01 '[Common]\nDate=02/01/1753\n' 'Main Title Text (Change this!!)\n 1 day!' 0
# No settings at all: the Target Date is today.
rm -f "$ini"
out=$(faketime '2011-03-15 12:00:00' "$countdown")
[ "$out" = "$(printf '\nPhrase upon reaching target date. (Change this!!)')" ] || fail "empty store printed [$out]"
expect 2011-03-15 '[Common]\nTargetPassed=Gone\nDate=2011-03-14\n' 'Gone   (1 day ago!)' 0 --one-line --one-line
# A Target Date that is no date: the message on standard error, with the value and its file, status 1.
date_error() { # stored value, section
  printf 'varnholt-countdown: %s\nvarnholt-countdown: stored Target Date "%s" ([%s] Date in %s)\n%s\n' \
    'The Date Calculation cannot be completed because an in-correct date was entered.' "$1" "$2" "$ini" \
    'The range of supported dates are...
     Minimum - 01/01/1753
     Maximum - 31/12/9999'
}
expect 2011-03-15 '[Common]\nDate=31/02/2011\n' '' 1
[ "$(cat "$E2E_DIR/err")" = "$(date_error 31/02/2011 Common)" ] || fail "date message: [$(cat "$E2E_DIR/err")]"
expect 2011-03-15 '[Common]\nSynchronize=0\n[ScreenSaver]\nDate=\n' '' 1 --json
[ "$(cat "$E2E_DIR/err")" = "$(date_error '' ScreenSaver)" ] || fail "date message with --json: [$(cat "$E2E_DIR/err")]"
expect 2011-03-15 '[Common]\nDate=2012-01-01\n' '' 2 --json --one-line
grep -q 'exclude each other' "$E2E_DIR/err" || fail "no usage error on standard error"
echo "countdown end-to-end: all checks passed"
