#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# varnholt.scr "/c" under Wine on a private X server: OK after editing the Event Text writes Title to the
# registry, Cancel writes nothing, an invalid date keeps the dialog open and writes nothing, About opens, and
# the image browser opens on a stored PNG file and shows it.
#   dialog_test.sh <build dir> <varnholt.scr>
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=wine_display.sh
source "$(dirname "$0")/wine_display.sh"
build=$1
scr=$2
wine_display "$build" wine-dialog
key='HKCU\Software\Kestle\Varnholt\Common'
dialog_title="Settings - Varnholt ScreenSaver - v 3.0"
about_title="About - Varnholt ScreenSaver"
browser_title="Browse for Images - Varnholt ScreenSaver"

# window_origin TITLE: "x y" of the window's client area on the screen, once it shows.
window_origin() {
  local _ geometry
  for _ in $(seq 150); do
    geometry=$(xwininfo -root -tree | grep -F "\"$1\"" | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -1 || true)
    if [ -n "$geometry" ]; then
      IFS='x+' read -r _ _ x y <<<"$geometry"
      echo "$x $y"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Boxes of the tables' rows in the form, in twips (15 a pixel).
declare -A boxes=(
  [txtTitle]="1488 396 5964 288" [txtDate]="1488 1416 1608 288" [cmdOK]="5348 7716 1116 360"
  [cmdCancel]="6600 7716 1116 360" [cmdAbout]="108 7716 1080 360" [aboutOK]="5592 5652 1560 384"
  [cmdImage]="6048 3024 1464 300" [browserCancel]="7524 5688 1392 384"
)

# click TITLE CONTROL: a click in the middle of the control's box.
click() {
  local x y box
  read -r x y < <(window_origin "$1") || fail "no window \"$1\""
  read -ra box <<<"${boxes[$2]}"
  xdotool mousemove $((x + (box[0] + box[2] / 2) / 15)) $((y + (box[1] + box[3] / 2) / 15)) click 1
}

# type_into CONTROL TEXT: types over a text box's whole text.
type_into() {
  click "$dialog_title" "$1"
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
}

stored_title() {
  wine reg query "$key" /v Title 2>/dev/null | tr -d '\r' | sed -n 's/^ *Title *REG_SZ *//p' || true
}

# closed SECONDS: the dialog's process ended within the time; its status in $status.
closed() {
  local _
  for _ in $(seq $(($1 * 10))); do
    if ! kill -0 "$program" 2>/dev/null; then
      status=0
      wait "$program" || status=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Case: what is typed into the Event Text, the date typed (none: left), the button, whether the dialog
# closes, and the Title then stored (none: nothing written).
cases=(
  "Wine OK|-|cmdOK|closes|Wine OK"
  "Wine Cancel|-|cmdCancel|closes|-"
  "Wine bad date|31/13/zz|cmdOK|stays|-"
)
for row in "${cases[@]}"; do
  IFS='|' read -r typed date button closes expected <<<"$row"
  wine reg delete 'HKCU\Software\Kestle' /f >/dev/null 2>&1 || true
  wine "$scr" /c >/dev/null 2>&1 &
  program=$!
  window_origin "$dialog_title" >/dev/null || fail "\"/c\" opened no dialog"
  type_into txtTitle "$typed"
  [ "$date" = - ] || type_into txtDate "$date"
  click "$dialog_title" "$button"
  if closed 5; then now=closes; else now=stays; fi
  stored=$(stored_title)
  echo "typed \"$typed\", date $date, $button: the dialog $now, Title \"${stored:--}\""
  [ "$now" = "$closes" ] || fail "the dialog $now after $button"
  [ "${stored:--}" = "$expected" ] || fail "Title is \"${stored:--}\", not \"$expected\""
  if [ "$now" = stays ]; then
    click "$dialog_title" cmdCancel
    closed 5 || fail "Cancel did not close the dialog"
    [ -z "$(stored_title)" ] || fail "Cancel after a bad date wrote the Title"
  fi
  [ "$status" -eq 0 ] || fail "the dialog's process ended with status $status"
done

wine "$scr" /c >/dev/null 2>&1 &
program=$!
window_origin "$dialog_title" >/dev/null || fail "\"/c\" opened no dialog"
click "$dialog_title" cmdAbout
window_origin "$about_title" >/dev/null || fail "About did not open"
import -window root "${VARNHOLT_WINE_ABOUT_SHOT:-/dev/null}" 2>/dev/null || true
click "$about_title" aboutOK
for _ in $(seq 50); do
  xwininfo -root -tree | grep -qF "\"$about_title\"" || break
  sleep 0.1
done
if xwininfo -root -tree | grep -qF "\"$about_title\""; then fail "OK did not close About"; fi
echo "About: opened and closed; the dialog stays"
click "$dialog_title" cmdCancel
closed 5 || fail "Cancel did not close the dialog"

# The image browser from the image pane, with a stored PNG file in use: its preview shows the picture, reduced
# from 400 x 300 into the preview's frame (243 x 190 pixels); Cancel closes it and leaves the dialog.
pictures=$build/browser-pictures
mkdir -p "$pictures"
convert -size 400x300 xc:'#0000ff' "$pictures/large.png"
for value in "ImageUsed=1" "ImageStyle=1" "ImageDrive=Z:\\" "ImagePath=Z:${pictures//\//\\}" "ImageName=large.png"; do
  wine reg add 'HKCU\Software\Kestle\Varnholt\ScreenSaver' /v "${value%%=*}" /t REG_SZ /d "${value#*=}" /f \
    >/dev/null 2>&1
done
wine "$scr" /c >/dev/null 2>&1 &
program=$!
window_origin "$dialog_title" >/dev/null || fail "\"/c\" opened no dialog"
click "$dialog_title" cmdImage
window_origin "$browser_title" >/dev/null || fail "the image browser did not open"
blue=0
for _ in $(seq 50); do
  blue=$(import -window root png:- | convert png:- -format %c histogram:info:- | tr -d ' ' |
    sed -n 's/^\([0-9]*\):.*#0000FF.*/\1/p')
  [ "${blue:-0}" -gt 40000 ] && break
  sleep 0.1
done
echo "the image browser shows ${blue:-0} pixels of the PNG's blue"
[ "${blue:-0}" -gt 40000 ] || fail "the browser's preview does not show the PNG"
click "$browser_title" browserCancel
for _ in $(seq 50); do
  xwininfo -root -tree | grep -qF "\"$browser_title\"" || break
  sleep 0.1
done
if xwininfo -root -tree | grep -qF "\"$browser_title\""; then fail "Cancel did not close the browser"; fi
click "$dialog_title" cmdCancel
closed 5 || fail "Cancel did not close the dialog"
echo "the image browser: opened on the PNG, closed by Cancel; the dialog stays until its own Cancel"
