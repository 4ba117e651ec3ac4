#!/usr/bin/env bash
# Runs a program under Wine with the system at another DPI, then gives the
# prefix back its own setting. Usage: at-dpi.sh DPI PROGRAM [ARGUMENT...]
set -u
dpi=$1; shift
key='HKCU\Control Panel\Desktop'
before=$(wine reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" { print $3 }')
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine "$@"; rc=$?
if [ -n "$before" ]; then
  wine reg add "$key" /v LogPixels /t REG_DWORD /d $((before)) /f >/dev/null 2>&1
else
  wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1
fi
exit $rc
