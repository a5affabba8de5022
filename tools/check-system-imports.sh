#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that Windows does not ship.
#   tools/check-system-imports.sh OBJDUMP PROGRAM.exe
set -euo pipefail
objdump=$1 program=$2
system_dlls='^(kernel32|user32|gdi32|ole32|wininet|ws2_32|msvcrt|advapi32|comctl32|shell32)\.dll$'
imports=$("$objdump" -p "$program" | awk '/DLL Name:/ {print tolower($3)}')
[ -n "$imports" ] || { echo "no imports found in $program" >&2; exit 1; }
foreign=$(echo "$imports" | grep -Ev "$system_dlls" || true)
if [ -n "$foreign" ]; then
  echo "$program needs DLLs that Windows does not have:" >&2
  echo "$foreign" >&2
  exit 1
fi
echo "$program imports only:" $imports
