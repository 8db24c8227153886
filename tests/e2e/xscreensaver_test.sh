#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real XScreenSaver runs "varnholt /s" as a display module: the countdown is drawn into
# the window it names, and its SIGTERM ends the saver.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
start_xvfb 1024x768

# XScreenSaver launches no display module for root: run it as an ordinary user then, with a
# copy of the program that user can reach.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(runuser -u nobody --)
  chmod 755 "$E2E_DIR"
fi
install -m 755 "$VARNHOLT_BIN_DIR/varnholt" "$E2E_DIR/varnholt"
printf '[Common]\nTitle=Hosted countdown\nDate=2099-01-01\n[ScreenSaver]\nTextFontSize0=30\nTextFontSize1=30\n' \
  >"$XDG_CONFIG_HOME/Kestle/Varnholt.ini"
cat >"$HOME/.xscreensaver" <<XSS
timeout: 0:10:00
lock: False
mode: one
selected: 0
splash: False
fade: False
unfade: False
programs: \\
  "Varnholt" $E2E_DIR/varnholt /s \\n\\
XSS
[ ${#as_user[@]} -gt 0 ] && chown -R nobody "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"

run_as_user() { "${as_user[@]}" env HOME="$HOME" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" DISPLAY="$DISPLAY" "$@"; }

run_as_user xscreensaver -no-splash >"$E2E_DIR/xscreensaver.log" 2>&1 &
e2e_track $!
sleep 2
run_as_user xscreensaver-command -activate >/dev/null

saver=""
for _ in $(seq 100); do
  saver=$(pgrep -f "$E2E_DIR/varnholt /s" | head -1) && [ -n "$saver" ] && break
  sleep 0.1
done
[ -n "$saver" ] || { cat "$E2E_DIR/xscreensaver.log" >&2; fail "XScreenSaver did not start the saver"; }
tr '\0' '\n' <"/proc/$saver/environ" | grep -q '^XSCREENSAVER_WINDOW=0x' || fail "no XSCREENSAVER_WINDOW given"

sleep 3
screenshot "$E2E_DIR/hosted.png"
lit=$(convert "$E2E_DIR/hosted.png" -crop 1024x80+0+0 -fuzz 10% -fill white +opaque black -colorspace gray \
  -format '%[fx:mean*w*h]' info:)
awk -v n="$lit" 'BEGIN { exit !(n > 50) }' || fail "no countdown text in the host's window"

run_as_user xscreensaver-command -deactivate >/dev/null
for _ in $(seq 50); do
  kill -0 "$saver" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$saver" 2>/dev/null && fail "the saver outlived the host's SIGTERM"
echo "XScreenSaver end-to-end: all checks passed"
