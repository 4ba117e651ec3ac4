#!/usr/bin/env bash
# Runs the setup program silently in the test prefix and checks what it
# leaves: the modules in the system folder, the content below Program Files,
# the machine defaults and the uninstall entry. Then uninstalls silently and
# checks that all of it is gone while the user's own settings and files stay;
# last, that /PURGE removes the user's settings too.
# Usage: installer-test.sh BUILD_DIR SETUP CONTENT_DIR DEFAULT_FOLDER MODULE...
set -u
build=$1 setup=$2 content=$3 default_folder=$4
shift 4
modules=("$@")
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-session"
wine_prefix_prepare "$build"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

settings_key='HKLM\Software\Velnor Corporation\Driftreel'
user_key='HKCU\Software\Velnor Corporation\Driftreel'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Driftreel'

# Runs a Windows program and waits for every process it starts (the
# uninstaller runs on from a copy of itself).
run_and_wait() {
  local rc=0
  timeout 300 wine "$@" >/dev/null 2>&1 || rc=$?
  timeout 120 wineserver -w
  return $rc
}

# A folder as the system names it, and where it lies on this side.
windows_folder() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null; }

# The data of one registry value, as "TYPE DATA"; fails when it is missing.
reg_value() {
  local line
  line=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -E "^ +$2 +REG_") || return 1
  echo "$line" | sed -E "s/^ +$2 +(REG_[A-Z_]+) +/\1 /"
}

expect_value() {
  local actual
  actual=$(reg_value "$1" "$2") || { fail "$1 has no value $2"; return; }
  [ "$actual" = "$3" ] || fail "$1 $2 is '$actual', expected '$3'"
}

expect_no_key() {
  wine reg query "$1" >/dev/null 2>&1 && fail "$1 is still there"
}

program_files=$(windows_folder ProgramFiles)
install_dir="$program_files\\Velnor\\Driftreel"
sys_dir=$(unix_path "$(windows_folder SystemRoot)\\system32")
content_dir=$(unix_path "$install_dir")

check_installed() {
  local module name file
  for module in "${modules[@]}"; do
    name=$(basename "$module")
    cmp -s "$module" "$sys_dir/$name" || fail "$name is not installed in the system folder"
  done
  while IFS= read -r file; do
    cmp -s "$content/$file" "$content_dir/$file" || fail "$file is not installed in the content folder"
  done < <(cd "$content" && find . -type f | sed 's|^\./||')
  expect_value "$settings_key" FilePath "REG_SZ $install_dir\\$default_folder"
  expect_value "$settings_key" PlayingMethod "REG_DWORD 0x1"
  expect_value "$settings_key" Volume "REG_DWORD 0x32"
  [ -d "$content_dir/$default_folder" ] || fail "the default folder $default_folder is missing"
  expect_value "$uninstall_key" UninstallString "REG_SZ \"$install_dir\\Uninstall.exe\""
  [ -f "$content_dir/Uninstall.exe" ] || fail "the uninstaller is missing"
}

check_removed() {
  local module file
  for module in "${modules[@]}"; do
    [ -e "$sys_dir/$(basename "$module")" ] && fail "$(basename "$module") is still in the system folder"
  done
  while IFS= read -r file; do
    [ -e "$content_dir/$file" ] && fail "$file is still in the content folder"
  done < <(cd "$content" && find . -type f | sed 's|^\./||')
  [ -e "$content_dir/Uninstall.exe" ] && fail "the uninstaller is still there"
  expect_no_key "$settings_key"
  expect_no_key "$uninstall_key"
}

uninstall() { run_and_wait "$install_dir\\Uninstall.exe" /S "$@" || fail "the uninstaller failed"; }

# The user has settings and a movie list of their own before installing.
wine reg add "$user_key" /v Volume /t REG_DWORD /d 77 /f >/dev/null 2>&1
wine reg add "$user_key\\$default_folder" /v FileCount /t REG_DWORD /d 0 /f >/dev/null 2>&1

echo "installing"
run_and_wait "$setup" /S || fail "the setup program failed"
check_installed

echo "uninstalling, keeping the user's settings"
own_movie="$content_dir/$default_folder/My Own Movie.wmv"
printf 'not a stock movie' >"$own_movie"
uninstall
check_removed
expect_value "$user_key" Volume "REG_DWORD 0x4d"
wine reg query "$user_key\\$default_folder" >/dev/null 2>&1 || fail "the user's movie list is gone"
[ -f "$own_movie" ] || fail "a movie of the user's own was removed"
rm -f "$own_movie"

echo "installing again and uninstalling with /PURGE"
run_and_wait "$setup" /S || fail "the setup program failed"
uninstall /PURGE
check_removed
expect_no_key "$user_key"
[ -e "$content_dir" ] && fail "the content folder is still there"

[ "$failures" -eq 0 ] && echo "installer checked"
exit $((failures > 0))
