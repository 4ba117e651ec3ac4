#!/usr/bin/env bash
# Checks the modules in the build's output folder without running them.
# Usage: check-binaries.sh OUTPUT_FOLDER LANGUAGE_CODE...
#  - every module is 32-bit Windows code for Intel 80386; the screen saver
#    (.scr) and the libraries (.dll) are GUI modules, while the .exe files are
#    the build's own test and measuring programs and may be console programs;
#  - each language library holds resources only: no code section, no import
#    or export table and no entry point;
#  - the screen saver's resources hold its manifest.
set -u
bin=$1; shift
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

shopt -s nullglob
for module in "$bin"/*.scr "$bin"/*.dll "$bin"/*.exe; do
  kind=$(file -b "$module")
  case $module in
    *.exe) pattern='^PE32 executable \((GUI|console)\) Intel 80386' ;;
    *) pattern='^PE32 executable (\(DLL\) )?\(GUI\) Intel 80386' ;;
  esac
  echo "$kind" | grep -Eq "$pattern" || fail "$(basename "$module"): $kind"
done

for code in "$@"; do
  dll=$bin/$code.dll
  if [ ! -f "$dll" ]; then fail "$code.dll is missing"; continue; fi
  sections=$("$objdump" -h "$dll") || { fail "$code.dll: objdump -h failed"; continue; }
  echo "$sections" | grep -q CODE && fail "$code.dll has a code section"
  echo "$sections" | grep -q '\.rsrc' || fail "$code.dll has no resources"
  headers=$("$objdump" -p "$dll")
  for entry in 'Export Directory' 'Import Directory' 'Import Address Table Directory'; do
    echo "$headers" | grep -E "^Entry [0-9a-f] 0+ 0+ $entry" >/dev/null || fail "$code.dll has an $entry"
  done
  echo "$headers" | grep -Eq '^AddressOfEntryPoint[[:space:]]+0+$' || fail "$code.dll has an entry point"
done

# The screen saver carries its manifest: aware of each monitor's DPI.
scr=$bin/Driftreel.scr
if [ -f "$scr" ]; then
  manifest=$(i686-w64-mingw32-objcopy -O binary --only-section=.rsrc "$scr" /dev/stdout | tr -d '\0')
  for part in '>PerMonitorV2, PerMonitor</dpiAwareness>' '>true/pm</dpiAware>' 'level="asInvoker"'; do
    echo "$manifest" | grep -qaF "$part" || fail "Driftreel.scr: no $part in its resources"
  done
else
  fail "Driftreel.scr is missing"
fi

[ "$failures" -eq 0 ] && echo "all modules checked"
exit $((failures > 0))
