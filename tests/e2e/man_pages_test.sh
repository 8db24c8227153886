#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Both manual pages format without a warning, and varnholt(1) names every settings key.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
pages=$VARNHOLT_SOURCE_DIR/src/resources/man
for page in "$pages"/varnholt.1 "$pages"/varnholt-countdown.1; do
  warnings=$(groff -ww -z -man "$page" 2>&1) || fail "groff failed on $(basename "$page")"
  [ -z "$warnings" ] || fail "groff warns on $(basename "$page"): $warnings"
  man -l "$page" >/dev/null 2>&1 || fail "man -l $(basename "$page") failed"
done
text=$(man -l "$pages/varnholt.1" 2>/dev/null)
while read -r key; do
  grep -q "$key" <<<"$text" || fail "varnholt(1) does not name the key $key"
done < <(grep -o '\(key\|font\)("[A-Za-z]*"' "$VARNHOLT_SOURCE_DIR/src/core/settings/key_table.cpp" | cut -d'"' -f2)
echo "man pages: all checks passed"
