# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Checks of an installed tree, shared by the install and the package tests; source
# after lib.sh, with e2e_setup done.

# check_installed_tree PREFIX: the programs, help, read-me, pictures, menu entry and its
# icon, screen-saver module, manual pages, copyright and changelog are where desktops and
# Debian's tools look for them.
check_installed_tree() {
  local prefix=$1 file page target data=$1/share/varnholt
  for file in bin/varnholt bin/varnholt-countdown share/varnholt/ReadMe.rtf \
    share/varnholt/help/index.html share/varnholt/help/topic-110.html share/varnholt/help/style.css \
    share/varnholt/pictures/logo_about.svg share/varnholt/pictures/base_9.svg \
    share/applications/varnholt-settings.desktop share/xscreensaver/config/varnholt.xml \
    share/icons/hicolor/scalable/apps/varnholt.svg share/doc/varnholt/copyright; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
  done
  # Compressed as Debian policy asks: "gzip -9n" gives these bytes and no others.
  local source folder
  while read -r source folder; do
    gzip -9n -c "$VARNHOLT_SOURCE_DIR/src/resources/$source" | cmp -s - "$prefix/$folder/${source##*/}.gz" ||
      fail "$folder/${source##*/}.gz is not $source compressed by gzip -9n"
  done <<'END'
man/varnholt.1 share/man/man1
man/varnholt-countdown.1 share/man/man1
doc/changelog share/doc/varnholt
END
  grep -qx 'Copyright: the Varnholt ScreenSaver authors' "$prefix/share/doc/varnholt/copyright" ||
    fail "the copyright file names no copyright holder"
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

  local desktop=$prefix/share/applications/varnholt-settings.desktop line
  [ "$(head -1 "$desktop")" = "[Desktop Entry]" ] || fail "desktop entry has no [Desktop Entry] group"
  for line in 'Type=Application' 'Name=Varnholt ScreenSaver Settings' 'Exec=varnholt /c' 'Icon=varnholt' \
    'Categories=Settings;DesktopSettings;'; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  fi

  local module=$prefix/share/xscreensaver/config/varnholt.xml
  if command -v xmllint >/dev/null; then
    xmllint --noout "$module" || fail "module description is no well-formed XML"
    [ "$(xmllint --xpath 'string(/screensaver/@name)' "$module")" = varnholt ] || fail "module name"
    [ "$(xmllint --xpath 'string(/screensaver/@_label)' "$module")" = "Varnholt ScreenSaver" ] || fail "module label"
    [ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$module")" = /s ] || fail "module command"
    [ -n "$(xmllint --xpath 'normalize-space(/screensaver/_description)' "$module")" ] || fail "module description"
    xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/varnholt.svg" || fail "the icon is no well-formed XML"
  else
    grep -q '<screensaver name="varnholt" _label="Varnholt ScreenSaver">' "$module" || fail "module element"
    grep -q '<command arg="/s"/>' "$module" || fail "module command"
  fi
}

# check_help_inside PREFIX: "varnholt /c" of that tree, under Xvfb, opens a help page that
# lies inside it, through the desktop's opener (a stand-in that records what it was given).
check_help_inside() {
  local prefix=$1 opened=$E2E_DIR/opened page _
  mkdir -p "$E2E_DIR/opener"
  # shellcheck disable=SC2016 # $1 belongs to the stand-in script
  printf '#!/bin/sh\necho "$1" >>"%s"\n' "$opened" >"$E2E_DIR/opener/xdg-open"
  chmod +x "$E2E_DIR/opener/xdg-open"
  start_xvfb 1280x1024
  PATH=$E2E_DIR/opener:$PATH "$prefix/bin/varnholt" /c &
  e2e_track $!
  local dialog
  dialog=$(wait_for_window "Settings - Varnholt ScreenSaver - v 3.0")
  # Help: 1322, 7716 twips, 1080 x 360, at 15 twips per pixel.
  xdotool mousemove --window "$dialog" 124 526 click 1
  for _ in $(seq 50); do [ -s "$opened" ] && break; sleep 0.1; done
  page=$(sed 's#^file://##' "$opened")
  [[ $page == "$prefix"/share/varnholt/help/topic-110.html ]] || fail "Help opened [$(cat "$opened")]"
  [ -f "$page" ] || fail "Help opened a page that does not exist: $page"
}
