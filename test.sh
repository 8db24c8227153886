#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds with warnings as errors and runs every test. ASAN=1 uses the asan preset.
set -euo pipefail
cd "$(dirname "$0")"
scripts/bootstrap

preset=default
[ "${ASAN:-0}" = 1 ] && preset=asan
if [ "$preset" = asan ]; then
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
fi

cmake --preset "$preset" -DVARNHOLT_WERROR=ON >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --timeout 300
