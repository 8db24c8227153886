#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the image browser's test program with a folder of pictures made here: two PNG files and a
# text file that is no picture.
#   image_browser.sh <build dir> <test program> [args...]
set -euo pipefail
build=$1
shift
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"' EXIT
convert -size 200x100 xc:'#ff0000' "$pictures/small.png"
convert -size 400x300 xc:'#0000ff' "$pictures/large.png"
echo "no picture" >"$pictures/notes.txt"
# Wine's drive Z: is the root folder.
export VARNHOLT_TEST_PICTURES="Z:${pictures//\//\\}"
"$(dirname "$0")/on_display.sh" "$build" "$@"
