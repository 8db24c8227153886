#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program that makes windows under Wine, on a private X server, in the end-to-end prefix.
#   on_display.sh <build dir> <program> [args...]
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../../e2e/lib.sh
source "$(dirname "$0")/../../e2e/lib.sh"
build=$1
shift
export WINEPREFIX=$build/wine-e2e WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
start_xvfb 1280x720
end_wine() {
  wineserver -k 2>/dev/null || true
  _e2e_cleanup
}
trap end_wine EXIT
[ -f "$WINEPREFIX/system.reg" ] || wine wineboot -i >/dev/null 2>&1
wine "$@"
