#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer, silently, in a fresh Wine prefix: every file in place and the Start-menu entry
# running "varnholt.scr /c"; then the silent uninstaller removes all of it and keeps the user's
# settings.
#   installer.sh <setup.exe> <varnholt.scr> <src/resources> <work folder>
set -euo pipefail
setup=$1
screensaver=$2
resources=$3
work=$4

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
# No menu entries of the host's desktop for the test's shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null || true' EXIT
wine wineboot -i </dev/null >/dev/null 2>&1

drive=$WINEPREFIX/drive_c
installed=("windows/system32/varnholt.scr"
  "ProgramData/Microsoft/Windows/Start Menu/Programs/Varnholt ScreenSaver Settings.lnk"
  "Program Files/Varnholt/ReadMe.rtf" "Program Files/Varnholt/uninstall.exe")
for file in "$resources"/help/* "$resources"/pictures/*.svg; do
  installed+=("Program Files/Varnholt/$(basename "$(dirname "$file")")/$(basename "$file")")
done

settings='HKCU\Software\Kestle\Varnholt\ScreenSaver'
wine reg add "$settings" /v Speed /t REG_SZ /d 42 /f >/dev/null 2>&1

status=0
wine "$setup" /S || status=$?
wineserver -w
[ "$status" -eq 0 ] || { echo "FAIL: the installer ended with $status"; exit 1; }
for file in "${installed[@]}"; do
  [ -f "$drive/$file" ] || { echo "FAIL: not installed: $file"; exit 1; }
done
cmp "$screensaver" "$drive/windows/system32/varnholt.scr"
link="$drive/${installed[1]}"
strings -el -n 2 "$link" | grep -qx '/c' || { echo "FAIL: the settings entry does not pass /c"; exit 1; }
strings -el "$link" | grep -qi 'system32\\varnholt\.scr' || { echo "FAIL: the settings entry does not run the saver"; exit 1; }
wine reg query 'HKLM\Software\Kestle\Varnholt' /v InstallPath 2>/dev/null | tr -d '\r' |
  grep -Eq 'InstallPath +REG_SZ +C:\\Program Files\\Varnholt$' ||
  { echo "FAIL: the installed folder is not recorded for the program"; exit 1; }
echo "installed ${#installed[@]} files"

# The uninstaller copies itself away and runs from there; wineserver -w waits for that copy too.
status=0
wine "$drive/Program Files/Varnholt/uninstall.exe" /S || status=$?
wineserver -w
[ "$status" -eq 0 ] || { echo "FAIL: the uninstaller ended with $status"; exit 1; }
for file in "${installed[@]}"; do
  [ ! -e "$drive/$file" ] || { echo "FAIL: left behind: $file"; exit 1; }
done
[ ! -e "$drive/Program Files/Varnholt" ] || { echo "FAIL: left behind: Program Files/Varnholt"; exit 1; }
for left in 'Microsoft\Windows\CurrentVersion\Uninstall\Varnholt' 'Kestle'; do
  wine reg query "HKLM\\Software\\$left" >/dev/null 2>&1 && { echo "FAIL: HKLM\\Software\\$left is left"; exit 1; }
done
wine reg query "$settings" /v Speed 2>/dev/null | tr -d '\r' | grep -Eq 'Speed +REG_SZ +42$' ||
  { echo "FAIL: the user's settings were removed"; exit 1; }
echo "uninstalled; the settings value Speed=42 is kept"
