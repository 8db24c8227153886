#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# cpack -G DEB builds a Debian package installing under /usr, with the libraries it needs
# as dependencies; extracted into a temporary root, its programs run from there.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installed_tree.sh"
e2e_setup
# faketime preloads its library before the sanitizer runtime of an ASAN build.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"
build=$VARNHOLT_BIN_DIR/..
(cd "$E2E_DIR" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$E2E_DIR/package" >"$E2E_DIR/cpack.log") ||
  { cat "$E2E_DIR/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$E2E_DIR/package/varnholt_3.0_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$E2E_DIR/package")"

# Debian's checker finds no error in it; its warnings stay in lintian.log.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/bootstrap installs it)"
status=0
lintian "$deb" >"$E2E_DIR/lintian.log" 2>&1 || status=$?
! grep '^E:' "$E2E_DIR/lintian.log" || fail "lintian reports errors"
[ "$status" -eq 0 ] || fail "lintian ended with status $status: $(cat "$E2E_DIR/lintian.log")"

[ "$(dpkg-deb -f "$deb" Package Version Section | tr '\n' ' ')" = "Package: varnholt Version: 3.0 Section: x11 " ] ||
  fail "package fields: $(dpkg-deb -f "$deb" Package Version Section)"
! dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' || fail "the package installs outside /usr"
dpkg-deb -c "$deb" | grep -q ' \./usr/share/xscreensaver/config/varnholt\.xml$' || fail "no module description"
# Found by dpkg-shlibdeps from the programs, besides the platform plugins named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libxcb1 qt6-qpa-plugins; do
  grep -qxF "$library" <<<"$names" || fail "Depends lacks $library: $depends"
done

root=$E2E_DIR/root
dpkg-deb -x "$deb" "$root"
check_installed_tree "$root/usr"
printf '[Common]\nTitle=Packaged\nDate=2099-01-01\n' >"$ini"
[ "$(faketime '2098-12-31 12:00:00' "$root/usr/bin/varnholt-countdown" --one-line)" = "Packaged  1 day!" ] ||
  fail "the packaged varnholt-countdown printed something else"
status=0
out=$("$root/usr/bin/varnholt" /a) || status=$?
{ [ "$status" -eq 0 ] && [ -z "$out" ]; } || fail "varnholt /a: status $status, printed [$out]"
check_help_inside "$root/usr"
echo "package end-to-end: all checks passed"
