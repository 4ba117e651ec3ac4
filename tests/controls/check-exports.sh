#!/usr/bin/env bash
# Checks that Sbl.dll exports the operations the program imports by name.
# Usage: check-exports.sh PATH_TO_Sbl.dll
set -u
dll=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
cxxfilt=${CXXFILT:-i686-w64-mingw32-c++filt}
exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '{print $NF}' | "$cxxfilt" -n)
failures=0
expect() {
  grep -qxF -- "$1" <<<"$exports" || { echo "FAIL: $1 is not exported"; failures=$((failures + 1)); }
}

expect 'SabrelAPI::EnableLuna(bool)'
for op in 'OnInitDialog()' 'OnPaint()' 'WindowProc(unsigned int, unsigned int, long)'; do
  expect "AbstractDialog::$op"
done
for cls in SabrelDialog SabrelDialog2; do
  expect "$cls::$cls(unsigned int, CWnd*)"
  expect "$cls::~$cls()"
  expect "$cls::DoDataExchange(CDataExchange*)"
  expect "$cls::GetThisMessageMap()"
done
expect 'SabrelDialog2::GetRuntimeClass() const'
for op in 'SabrelListCtrl()' '~SabrelListCtrl()' 'GetRuntimeClass() const' 'PreSubclassWindow()' \
          'DrawItem(tagDRAWITEMSTRUCT*)' 'MeasureItem(tagMEASUREITEMSTRUCT*)' 'OnEraseBkgnd(CDC*)' \
          'OnEnable(int)' 'OnShowWindow(int, unsigned int)' 'OnSize(unsigned int, int, int)' 'Sabrel()'; do
  expect "SabrelListCtrl::$op"
done
for cls in SabrelButton SabrelCheckBox SabrelComboBox SabrelSliderCtrl SabrelGroupBox; do
  expect "$cls::$cls()"
  expect "$cls::~$cls()"
done

[ "$failures" -eq 0 ] && echo "Sbl.dll exports every class operation"
exit $((failures > 0))
