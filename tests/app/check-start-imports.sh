#!/usr/bin/env bash
# The program and its two DLLs load at start only the system libraries every
# mode needs; the others (COM, shell, timers, power, session notices, common
# controls, alpha blending) are bound at their first call, which keeps the
# player's start-up near a bare window's. Usage: check-start-imports.sh BIN_DIR
set -euo pipefail
bin=$1
allowed='^(driftreelafx|sbl|kernel32|user32|gdi32|advapi32|msvcrt|uxtheme)\.dll$'
status=0
for module in Driftreel.scr DriftreelAfx.dll Sbl.dll; do
  imports=$(i686-w64-mingw32-objdump -p "$bin/$module" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$imports" ] || { echo "$module: no import table read"; status=1; continue; }
  for dll in $imports; do
    if ! [[ $dll =~ $allowed ]]; then
      echo "$module loads $dll at start"
      status=1
    fi
  done
done
exit $status
