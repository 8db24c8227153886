#!/usr/bin/env bash
# cmake --install into a temporary prefix puts the programs, help, read-me,
# pictures, menu entry and screen-saver module where desktops look for them.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup
prefix=$E2E_DIR/prefix
cmake --install "$VARNHOLT_BIN_DIR/.." --prefix "$prefix" >"$E2E_DIR/install.log" || fail "cmake --install failed"

data=$prefix/share/varnholt
for file in bin/varnholt bin/varnholt-countdown share/varnholt/ReadMe.rtf \
  share/varnholt/help/index.html share/varnholt/help/topic-110.html share/varnholt/help/style.css \
  share/varnholt/pictures/logo_about.svg share/varnholt/pictures/base_9.svg \
  share/applications/varnholt-settings.desktop share/xscreensaver/config/varnholt.xml \
  share/man/man1/varnholt.1 share/man/man1/varnholt-countdown.1; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/varnholt" ] || fail "bin/varnholt is not executable"
[ "$(find "$data/pictures" -name '*.svg' | wc -l)" -eq 14 ] || fail "not every picture is installed"
head -c 6 "$data/ReadMe.rtf" | grep -qx '{\\rtf1' || fail "ReadMe.rtf is no RTF file"

# Every help page links only to pages that are installed, and to nothing outside.
for page in "$data"/help/*.html; do
  grep -qi '<title>' "$page" || fail "$(basename "$page") has no title"
  while read -r target; do
    [ -f "$data/help/$target" ] || fail "$(basename "$page") links to missing $target"
  done < <(grep -o '\(href\|src\)="[^"]*"' "$page" | sed 's/^[a-z]*="\(.*\)"$/\1/')
  ! grep -qE '(href|src)="[a-z]+:' "$page" || fail "$(basename "$page") uses an external resource"
done

desktop=$prefix/share/applications/varnholt-settings.desktop
[ "$(head -1 "$desktop")" = "[Desktop Entry]" ] || fail "desktop entry has no [Desktop Entry] group"
for line in 'Type=Application' 'Name=Varnholt ScreenSaver Settings' 'Exec=varnholt /c' \
  'Categories=Settings;DesktopSettings;'; do
  grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop entry does not validate"
fi

module=$prefix/share/xscreensaver/config/varnholt.xml
if command -v xmllint >/dev/null; then
  xmllint --noout "$module" || fail "module description is no well-formed XML"
  [ "$(xmllint --xpath 'string(/screensaver/@name)' "$module")" = varnholt ] || fail "module name"
  [ "$(xmllint --xpath 'string(/screensaver/@_label)' "$module")" = "Varnholt ScreenSaver" ] || fail "module label"
  [ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$module")" = /s ] || fail "module command"
  [ -n "$(xmllint --xpath 'normalize-space(/screensaver/_description)' "$module")" ] || fail "module description"
else
  grep -q '<screensaver name="varnholt" _label="Varnholt ScreenSaver">' "$module" || fail "module element"
  grep -q '<command arg="/s"/>' "$module" || fail "module command"
fi

# A moved install still finds its help: Help opens a page inside the new place,
# through the desktop's opener (a stand-in here that records what it was given).
moved=$E2E_DIR/moved
mv "$prefix" "$moved"
mkdir "$E2E_DIR/opener"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$E2E_DIR/opened" >"$E2E_DIR/opener/xdg-open"
chmod +x "$E2E_DIR/opener/xdg-open"
start_xvfb 1280x1024
PATH=$E2E_DIR/opener:$PATH "$moved/bin/varnholt" /c &
dialog_pid=$!
e2e_track $dialog_pid
dialog=$(wait_for_window "Settings - Varnholt ScreenSaver - v 3.0")
# Help: 1322, 7716 twips, 1080 x 360, at 15 twips per pixel.
xdotool mousemove --window "$dialog" 124 526 click 1
for _ in $(seq 50); do [ -s "$E2E_DIR/opened" ] && break; sleep 0.1; done
page=$(sed 's#^file://##' "$E2E_DIR/opened")
[[ $page == "$moved"/share/varnholt/help/topic-110.html ]] || fail "Help opened [$(cat "$E2E_DIR/opened")]"
[ -f "$page" ] || fail "Help opened a page that does not exist: $page"
echo "install end-to-end: all checks passed"
