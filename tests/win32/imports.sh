#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program stands alone: it imports system DLLs only, so no MinGW runtime has to travel with it.
#   imports.sh <objdump> <program>
set -euo pipefail
objdump=$1
program=$2
allowed='^(kernel32|user32|gdi32|gdiplus|comctl32|comdlg32|advapi32|shell32|ole32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$'
dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
echo "imports of $(basename "$program"):" "${dlls//$'\n'/ }"
[ -n "$dlls" ] || { echo "no import table read" >&2; exit 1; }
foreign=$(grep -Ev "$allowed" <<<"$dlls" || true)
if [ -n "$foreign" ]; then
  echo "not a system DLL:" "${foreign//$'\n'/ }" >&2
  exit 1
fi
