#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# with_xvfb.sh PROGRAM [ARGS...]: runs a test program on an X server of its own.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_xvfb 640x480
"$@"
