#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program that makes windows under Wine, on a private X server, in the end-to-end prefix.
#   on_display.sh <build dir> <program> [args...]
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=wine_display.sh
source "$(dirname "$0")/wine_display.sh"
build=$1
shift
wine_display "$build" wine-e2e
wine "$@"
