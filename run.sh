#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs the screen saver: ./run.sh [--seconds N] [ARGS]  (ARGS default: /s)
# Without a display it runs under a virtual X server for N seconds (default 5),
# saves varnholt-screenshot.png and ends the run.
set -euo pipefail
cd "$(dirname "$0")"

seconds=""
if [ "${1:-}" = "--seconds" ]; then
  seconds=${2:?--seconds needs a number}
  shift 2
fi
[ $# -eq 0 ] && set -- /s

scripts/bootstrap
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake --preset default && cmake --build --preset default; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "run.sh: the build failed" >&2
  exit 1
fi
bin=$PWD/build/default/src/varnholt
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=/tmp/runtime-$(id -u)
  export XDG_RUNTIME_DIR
  install -d -m 0700 "$XDG_RUNTIME_DIR"
fi

if [ -n "${DISPLAY:-}" ] && [ -z "$seconds" ]; then
  "$bin" "$@"
  exit
fi

scripts/xvfb-run --size 1920x1080 -- scripts/timed-run "${seconds:-5}" "$PWD/varnholt-screenshot.png" "$bin" "$@"
