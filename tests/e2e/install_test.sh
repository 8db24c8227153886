#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# cmake --install into a temporary prefix puts the programs, help, read-me,
# pictures, menu entry, screen-saver module and manual pages where desktops look for them.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/installed_tree.sh"
e2e_setup
prefix=$E2E_DIR/prefix
cmake --install "$VARNHOLT_BIN_DIR/.." --prefix "$prefix" >"$E2E_DIR/install.log" || fail "cmake --install failed"
check_installed_tree "$prefix"

# A moved install still finds its help.
mv "$prefix" "$E2E_DIR/moved"
check_help_inside "$E2E_DIR/moved"
echo "install end-to-end: all checks passed"
