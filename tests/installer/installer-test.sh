#!/usr/bin/env bash
# Installs the setup program in the test prefix through its pages under a
# Japanese locale, and checks what it leaves: the modules in the system
# folder, the content below Program Files, the machine defaults, the
# uninstall entry, the settings shortcut and the screen-saver choice, while
# other programs' files of the same names stay as they were. Another program
# of the maker then counts the shared modules too; a silent install over the
# first keeps the counts as they are, and the uninstall removes the program
# but leaves the shared modules the other program counts on, and the user's
# own settings and files. Last, an install through German pages, the saver
# started the way the 64-bit desktop starts it, and an uninstall with /PURGE,
# removing the user's settings too, leave the system as it was.
# The first page of each language is saved as BUILD_DIR/installer-<code>.png.
# Usage: installer-test.sh BUILD_DIR SETUP CONTENT_DIR DEFAULT_FOLDER MODULE...
set -u
build=$1 setup=$2 content=$3 default_folder=$4
shift 4
modules=("$@")
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-session"
# A new prefix of its own for every run: whatever another command left
# installed in the session's prefix must not decide what the setup does.
export WINEPREFIX=$build/wineprefix-installer
wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
# The pages need a display: the test session's, or one of its own.
if [ -n "${DISPLAY:-}" ]; then
  wine_prefix_prepare "$build"
  trap 'wineserver -k >/dev/null 2>&1' EXIT
else
  wine_session_start "$build"
  trap wine_session_stop EXIT
fi

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

settings_key='HKLM\Software\Velnor Corporation\Driftreel'
user_key='HKCU\Software\Velnor Corporation\Driftreel'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Driftreel'
desktop_key='HKCU\Control Panel\Desktop'
shared_key='HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs'
# The program's own modules; the others are shared with the maker's programs.
own_modules=' Driftreel.scr DriftreelAfx.dll '

# Every Wine program started here boots a session of its own, which takes
# long where 32-bit code runs emulated; the waits below allow for it (and
# stretch by DRIFTREEL_TEST_TIME_SCALE). None stands in for a state: each
# waits for the one it needs, and one that runs out says which.
limit=120

# Waits for the processes of the prefix to end (the uninstaller runs on from
# a copy of itself).
wineserver_idle() {
  timeout $((limit * ${DRIFTREEL_TEST_TIME_SCALE:-1})) wineserver -w \
    || fail "the prefix's programs did not end within $limit s (scaled)"
}

# Runs a Windows program and waits for every process it starts.
run_and_wait() {
  local rc=0
  timeout $((limit * 3 * ${DRIFTREEL_TEST_TIME_SCALE:-1})) wine "$@" >/dev/null 2>&1 || rc=$?
  wineserver_idle
  return $rc
}

# A setup page that takes keys: its window active and painted; the page's
# pixels are then in screen_settled_as.
page_ready() { window_active "$1" && screen_settled; }
page_gone() { ! window_shown "$1" && process_gone "$2"; }

# Runs a setup program in a locale, waits for its first page under the
# expected title (some languages end it in a space), saves it as a screenshot,
# and goes through the pages with Enter (Next, Install, Finish with the
# choices as they stand), each once it is active and painted and differs
# from the page the last Enter went to.
run_pages() {
  local locale=$1 name=$2 title="^$2 *\$" shot=$3 pid window last=
  shift 3
  LC_ALL=$locale wine "$@" >/dev/null 2>&1 &
  pid=$!
  if ! wait_until $limit "a window titled '$name' under $locale" window_shown "$title"; then
    fail "no window titled '$name' under $locale (windows: $(visible_windows))"
  else
    window=$(visible_window "$title")
    wait_until $limit "the first page of '$name' active and painted" page_ready "$window" \
      || fail "the first page of '$name' was not active and painted"
    screen_grab | convert png:- "$build/$shot"
  fi
  # An uninstaller goes on from a copy of itself: its page outlives the process.
  local start=$SECONDS
  until page_gone "$title" "$pid"; do
    window=$(visible_window "$title")
    if [ -n "$window" ] && page_ready "$window" && [ "$screen_settled_as" != "$last" ]; then
      last=$screen_settled_as
      xdotool key Return
    fi
    if [ $((SECONDS - start)) -ge $((limit * 3 * ${DRIFTREEL_TEST_TIME_SCALE:-1})) ]; then
      fail "the pages of '$name' did not end on Enter (windows: $(visible_windows))"
      wineserver -k
      break
    fi
    sleep 0.5
  done
  wait "$pid" 2>/dev/null
  wineserver_idle
}

# The system as the 32-bit setup sees it: "wine" starts the system's tools as
# 32-bit programs, so on a 64-bit system reg and cmd see SysWOW64's folders
# and registry view; Debian's 64-bit loader shows the 64-bit side.
wow_dir=$WINEPREFIX/drive_c/windows/syswow64
wow=; [ -d "$wow_dir" ] && wow=1
reg64() { /usr/lib/wine/wine64 reg "$@"; }
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
sys_win="$(windows_folder SystemRoot)\\system32"
sys_dir=$WINEPREFIX/drive_c/windows/system32
[ -n "$wow" ] && sys_dir=$wow_dir
content_dir=$(unix_path "$install_dir")
shortcut=$(unix_path "$(windows_folder ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs\\Driftreel.lnk")

# Other programs' files of the names of two shared modules: one without
# version information, one of another company.
foreign_dir=$(mktemp -d)
printf 'another program' >"$foreign_dir/eng.dll"
cp "$sys_dir/version.dll" "$foreign_dir/jpn.dll"
is_foreign() { [ -f "$foreign_dir/$1" ]; }
expect_foreign_kept() {
  local name
  for name in $(ls "$foreign_dir"); do
    cmp -s "$foreign_dir/$name" "$sys_dir/$name" || fail "another program's $name was changed"
  done
}

expect_saver() {
  local value
  value=$(reg_value "$desktop_key" SCRNSAVE.EXE) || { fail "no screen saver chosen"; return; }
  cmp -s "$(unix_path "${value#REG_SZ }")" "$sys_dir/Driftreel.scr" || fail "the screen saver chosen is $value"
  expect_value "$desktop_key" ScreenSaveActive "REG_SZ 1"
}

check_installed() {
  local module name file
  for module in "${modules[@]}"; do
    name=$(basename "$module")
    is_foreign "$name" && continue
    cmp -s "$module" "$sys_dir/$name" || fail "$name is not installed in the system folder"
  done
  expect_foreign_kept
  [ -f "$shortcut" ] || fail "the settings shortcut is missing"
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

# Checks that the program is gone; with "shared" the modules that another
# install still counts on stay.
check_removed() {
  local module name file
  for module in "${modules[@]}"; do
    name=$(basename "$module")
    is_foreign "$name" && continue
    if [ "${1:-}" = shared ] && [[ $own_modules != *" $name "* ]]; then
      cmp -s "$module" "$sys_dir/$name" || fail "the shared $name went while still counted"
    else
      [ -e "$sys_dir/$name" ] && fail "$name is still in the system folder"
    fi
  done
  expect_foreign_kept
  [ -e "$shortcut" ] && fail "the settings shortcut is still there"
  reg_value "$desktop_key" SCRNSAVE.EXE >/dev/null && fail "the screen saver choice still names Driftreel"
  while IFS= read -r file; do
    [ -e "$content_dir/$file" ] && fail "$file is still in the content folder"
  done < <(cd "$content" && find . -type f | sed 's|^\./||')
  [ -e "$content_dir/Uninstall.exe" ] && fail "the uninstaller is still there"
  expect_no_key "$settings_key"
  expect_no_key "$uninstall_key"
}

# A 32-bit setup on a 64-bit system writes nothing into the 64-bit side: no
# files in its system folder, no keys in its registry view.
expect_64bit_side_untouched() {
  [ -n "$wow" ] || return 0
  local name
  for name in Driftreel.scr DriftreelAfx.dll Sbl.dll; do
    [ -e "$WINEPREFIX/drive_c/windows/system32/$name" ] && fail "$name is in the 64-bit system folder"
  done
  reg64 query 'HKLM\Software\Velnor Corporation' >/dev/null 2>&1 && fail "the 64-bit registry view has the maker's key"
  reg64 query "$uninstall_key" >/dev/null 2>&1 && fail "the 64-bit registry view has the uninstall entry"
}

# Waits for process $1 to end, as $2; its exit code, or 124 once it has
# been stopped, so that what it holds does not stand in the next step's way.
wait_exit() {
  if ! wait_until $limit "$2 to end" process_gone "$1"; then
    wineserver -k
    wait "$1" 2>/dev/null
    return 124
  fi
  wait "$1"
}
visible_windows() {
  local window
  for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    printf '%s, ' "$(xdotool getwindowname "$window" 2>/dev/null)"
  done
}
# The window is the one the wait saw: the window manager may unmap and map it
# again between two looks.
first_window() {
  wait_until $limit "a window named '$1'" window_seen "^$1\$" && echo "$seen_window"
}
window_seen() { seen_window=$(visible_window "$1"); [ -n "$seen_window" ]; }

# The desktop starts the chosen saver itself: a 64-bit program that reads
# SCRNSAVE.EXE and runs it with /s, /c, or /p and its preview window. In
# German: another program's eng.dll and jpn.dll stand in the system folder.
check_desktop_start() {
  local starter=$build/bin64/desktop_start.exe pid rc window size
  export LC_ALL=de_DE.UTF-8
  wine "$starter" s >/dev/null 2>&1 &
  pid=$!
  window=$(first_window 'Driftreel Player')
  if [ -z "$window" ]; then
    fail "started with /s, the saver showed no player (windows: $(visible_windows))"
  else
    wait_until $limit "the player's movie on the screen" picture_shown || fail "the player shows no movie"
    size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
    [ "$size" = "$(xdotool getdisplaygeometry | tr ' ' x)" ] || fail "the player covers $size, not the screen"
  fi
  # The player ends once it has seen the cursor rest and then move away.
  local x
  for x in 200 300 400 500 600 700; do
    xdotool mousemove "$x" $((x / 2))
    wait_until 1 "" process_gone "$pid" 2>/dev/null && break
  done
  rc=0; wait_exit "$pid" "the player, moved over," || rc=$?
  [ "$rc" -eq 0 ] || fail "the player did not end on a mouse movement with code 0 ($rc)"

  wine "$starter" c >/dev/null 2>&1 &
  pid=$!
  window=$(first_window 'Driftreel.*')
  if [ -z "$window" ]; then
    fail "started with /c, the saver showed no settings (windows: $(visible_windows))"
  else
    # A click in the dialog's margin makes it the active window, as a user's would.
    xdotool mousemove --window "$window" 5 5 click 1
    if wait_until $limit "the settings dialog to be active" window_active "$window"; then
      xdotool key Escape
    else
      fail "the settings dialog did not become active on a click"
    fi
  fi
  rc=0; wait_exit "$pid" "the settings, on Escape," || rc=$?
  [ "$rc" -eq 0 ] || fail "the settings did not end on Escape with code 0 ($rc)"

  wine "$starter" p >/dev/null 2>&1 &
  pid=$!
  rc=0; wait_exit "$pid" "the saver started with /p" || rc=$?
  [ "$rc" -eq 0 ] || fail "started with /p, the saver did not end at once with code 0 ($rc)"
  unset LC_ALL
}

uninstall() { run_and_wait "$install_dir\\Uninstall.exe" /S "$@" || fail "the uninstaller failed"; }

# The shared modules of ours (not another program's file of the same name).
shared_modules() {
  local module name
  for module in "${modules[@]}"; do
    name=$(basename "$module")
    is_foreign "$name" || [[ $own_modules == *" $name "* ]] || echo "$name"
  done
}
# The count of programs using a module, as "0x..", or "none".
shared_count() {
  wine reg query "$shared_key" /v "$sys_win\\$1" 2>/dev/null | tr -d '\r' |
    awk 'NF > 1 && $(NF-1) == "REG_DWORD" { print $NF; found = 1 } END { if (!found) print "none" }'
}
expect_counts() {
  local name count
  for name in $(shared_modules); do
    count=$(shared_count "$name")
    [ "$count" = "$1" ] || fail "$name is counted $count, expected $1"
  done
}
# Another program of the maker counting itself in beside our install (add),
# or every count taken back (remove).
other_program_counts() {
  local name
  for name in $(shared_modules); do
    if [ "$1" = add ]; then
      wine reg add "$shared_key" /v "$sys_win\\$name" /t REG_DWORD /d 2 /f >/dev/null 2>&1
    else
      wine reg delete "$shared_key" /v "$sys_win\\$name" /f >/dev/null 2>&1
    fi
  done
}

# The user has settings and a movie list of their own before installing.
wine reg add "$user_key" /v Volume /t REG_DWORD /d 77 /f >/dev/null 2>&1
wine reg add "$user_key\\$default_folder" /v FileCount /t REG_DWORD /d 0 /f >/dev/null 2>&1

cp "$foreign_dir"/* "$sys_dir/"
# No count of users left over from an earlier run that was cut short.
other_program_counts remove

echo "installing through Japanese pages, the finish page choosing the screen saver"
run_pages ja_JP.UTF-8 'Driftreel セットアップ' installer-jpn.png "$setup"
check_installed
expect_saver
expect_counts 0x1

echo "another program counting the shared modules; installing again silently, /SETSAVER choosing the screen saver"
other_program_counts add
wine reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
run_and_wait "$setup" /S /SETSAVER || fail "the setup program failed"
check_installed
expect_saver
expect_counts 0x2
expect_64bit_side_untouched

echo "uninstalling, keeping the user's settings and the shared modules"
own_movie="$content_dir/$default_folder/My Own Movie.wmv"
printf 'not a stock movie' >"$own_movie"
uninstall
check_removed shared
expect_counts 0x1
expect_value "$user_key" Volume "REG_DWORD 0x4d"
wine reg query "$user_key\\$default_folder" >/dev/null 2>&1 || fail "the user's movie list is gone"
[ -f "$own_movie" ] || fail "a movie of the user's own was removed"
rm -f "$own_movie"
# The other program goes and takes its count with it, leaving the modules.
other_program_counts remove

echo "installing and uninstalling with /PURGE through German pages"
run_pages de_DE.UTF-8 'Installation von Driftreel' installer-deu.png "$setup"
check_installed
expect_saver
echo "starting the saver the desktop's way"
check_desktop_start
run_pages de_DE.UTF-8 'Deinstallation von Driftreel' uninstaller-deu.png "$install_dir\\Uninstall.exe" /PURGE
check_removed
expect_no_key "$user_key"
[ -e "$content_dir" ] && fail "the content folder is still there"
expect_64bit_side_untouched

rm -rf "$foreign_dir"

[ "$failures" -eq 0 ] && echo "installer checked"
exit $((failures > 0))
