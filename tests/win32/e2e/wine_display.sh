# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the Windows end-to-end tests: the Linux end-to-end helpers, then a Wine prefix of the
# test's own in the build folder and a private 1280 x 720 X server, both ended with the test.
#   wine_display <build dir> <prefix name>
# shellcheck source-path=SCRIPTDIR source=../../e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/lib.sh"

end_wine() {
  wineserver -k 2>/dev/null || true
  _e2e_cleanup
}

wine_display() {
  export WINEPREFIX=$1/$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  start_xvfb 1280x720
  trap end_wine EXIT
  [ -f "$WINEPREFIX/system.reg" ] || wine wineboot -i >/dev/null 2>&1
}
