#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds with warnings as errors and runs every test. ASAN=1 uses the asan preset; --windows builds
# the windows preset with the cross compiler and runs its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")"

preset=default
case "${1:-}" in
  "") ;;
  --windows) preset=windows ;;
  *)
    echo "usage: ./test.sh [--windows]" >&2
    exit 2
    ;;
esac

if [ "$preset" = windows ]; then
  scripts/bootstrap --windows
else
  scripts/bootstrap
fi

[ "$preset" = default ] && [ "${ASAN:-0}" = 1 ] && preset=asan
if [ "$preset" = asan ]; then
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
fi

cmake --preset "$preset" -DVARNHOLT_WERROR=ON >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --timeout 300
