#!/usr/bin/env bash
# End-to-end: the built program copied into empty folders and started for real under Xvfb, first
# without a notification area, then with trayer as the tray host, driven with xdotool.
# Usage: run.sh PATH-TO-sorrelwickhaven
set -euo pipefail
E2E_PROGRAM=$(realpath "$1")
here=$(dirname "$0")
source "$here/lib.sh"
e2e_start_display

crlf() { printf '%s\r\n' "$@"; }
default_settings=$(crlf '###### Sorrelwickhaven v3.00 SettingData ######' \
  "######  Don't edit this file by manual!  ######" '' 'ShowMainWindow=1' 'ShowBaloon=1' \
  'RegistStartup=0' 'MakeDeleteLog=1' 'SepDeleteLog=0' 'MakeErrorLog=1' 'SepErrorLog=0' \
  'DefaultList=' 'NotDeleteSubFolder=0' | xxd -p)
interval_kind=$(printf '\x8a\xd4\x8a\x75\x8e\x77\x92\xe8') # "間隔指定" in CP932
one_minute=$(printf '1\x95\xaa')                            # "1分"

# write_list FILE TARGET: a list with one "1分" item over TARGET that keeps *keep* files.
write_list() {
  crlf '###### Sorrelwickhaven v3.00 SettingData ######' \
    "######  Don't edit this file by manual!  ######" '' \
    "item,$2,$interval_kind,$one_minute,keep" >"$1"
}

# --- First start in an empty folder: default setting.ini, main window shown.
app=$(e2e_install first)
"$app/sorrelwickhaven" 2>"$E2E_TMP/first.err" &
first=$!
e2e_check "the main window titled Sorrelwickhaven appears" e2e_wait_for 20 e2e_has_window Sorrelwickhaven
e2e_check "a byte-exact default setting.ini is written beside the program" \
  test "$(xxd -p "$app/setting.ini")" = "$default_settings"

# --- A second start is refused with its message box and ends with exit code 0.
"$app/sorrelwickhaven" 2>"$E2E_TMP/second.err" &
second=$!
e2e_check "the second start shows the box titled エラー" e2e_wait_for 20 e2e_has_window エラー
e2e_check "the second start waits on its box" e2e_alive $second
e2e_check "OK closes the box" e2e_answer_box エラー Return
e2e_check "OK ends the second start" e2e_wait_for 10 e2e_dead $second
e2e_check "the refused start exits with code 0" test "$(e2e_stop $second)" -eq 0
e2e_check "the first instance runs on" e2e_alive $first
e2e_check "the first instance still shows its window" e2e_has_window Sorrelwickhaven

# --- SIGTERM takes the ordinary close path: exit code 0, setting.ini kept whole.
kill -TERM $first
e2e_check "SIGTERM ends the first instance" e2e_wait_for 10 e2e_dead $first
e2e_check "the first instance exits with code 0" test "$(e2e_stop $first)" -eq 0
e2e_check "setting.ini is written again on the way out" \
  test "$(xxd -p "$app/setting.ini")" = "$default_settings"

# --- No notification area: a hidden start shows the list editor, so the program stays reachable.
hidden=$(e2e_install hidden)
crlf 'ShowMainWindow=0' >"$hidden/setting.ini"
"$hidden/sorrelwickhaven" 2>"$E2E_TMP/hidden.err" &
third=$!
e2e_check "without a tray a hidden start still shows the main window" \
  e2e_wait_for 20 e2e_has_window Sorrelwickhaven
kill -TERM $third
e2e_check "it ends on SIGTERM" e2e_wait_for 10 e2e_dead $third
e2e_check "it exits with code 0 on SIGTERM" test "$(e2e_stop $third)" -eq 0

# --- With a tray: the icon, its menu, run now, pause and resume, exit.
e2e_start_tray

# --- A "1分" item, started hidden: the timer empties its folder a minute later by itself. It runs
# beside the instances below with a lock folder of its own, and is looked at last.
timed=$(e2e_install timed)
mkdir -p "$timed/target/sub"
touch "$timed/target/a.txt" "$timed/target/sub/b.txt" "$timed/target/keep.txt"
write_list "$timed/list.lst" "$timed/target"
crlf 'ShowMainWindow=0' "DefaultList=$timed/list.lst" >"$timed/setting.ini"
mkdir -m 700 "$E2E_TMP/timed-runtime"
XDG_RUNTIME_DIR=$E2E_TMP/timed-runtime "$timed/sorrelwickhaven" 2>"$E2E_TMP/timed.err" &
timed_pid=$!
timed_started=$SECONDS

tray=$(e2e_install tray)
mkdir -p "$tray/target"
touch "$tray/target/a.txt" "$tray/target/keep.txt"
write_list "$tray/list.lst" "$tray/target"
crlf 'ShowMainWindow=0' "DefaultList=$tray/list.lst" >"$tray/setting.ini"
"$tray/sorrelwickhaven" 2>"$E2E_TMP/tray.err" &
fourth=$!
e2e_check "the tray icon appears" e2e_wait_for 20 e2e_tray_icon $fourth
e2e_check "a hidden start with a tray shows no window" test -z "$(e2e_window Sorrelwickhaven)"
sleep 0.5 # let the icon be drawn before its picture is taken
running_picture=$(e2e_icon_picture $fourth || true)

before=$(date '+%Y/%m/%d %H:%M')
e2e_check "a press on the icon opens the menu and 今すぐ削除実行(&R) runs" e2e_tray_menu $fourth r
e2e_check "run now empties the target folder" e2e_wait_for 10 test ! -e "$tray/target/a.txt"
after=$(date '+%Y/%m/%d %H:%M')
e2e_check "run now keeps the excluded file" test -e "$tray/target/keep.txt"
header=$(crlf '====================================' 'ItemName : item' "Path : $tray/target" \
  '====================================' | xxd -p)
delete_log_ok() {
  local expected
  for minute in "$before" "$after"; do
    expected=$({ echo "$header" | xxd -r -p; printf '%s\t[File] a.txt\r\n' "$minute"; } | xxd -p)
    [ "$(xxd -p "$tray/ClearLog/item.log")" = "$expected" ] && return 0
  done
  return 1
}
e2e_check "the delete log is byte-exact" delete_log_ok
e2e_check "the error log holds its header alone" \
  test "$(xxd -p "$tray/ErrorLog/item.log")" = "$header"

e2e_check "処理を一時停止(&S) pauses" e2e_tray_menu $fourth s
e2e_check "the paused icon is shown" e2e_wait_for 5 e2e_icon_is_not $fourth "$running_picture"
paused_picture=$(e2e_icon_picture $fourth || true)
e2e_check "処理を再開(&B) resumes" e2e_tray_menu $fourth b
e2e_check "the paused icon goes" e2e_wait_for 5 e2e_icon_is_not $fourth "$paused_picture"
e2e_check "the running icon is back" e2e_wait_for 5 e2e_icon_is $fourth "$running_picture"

e2e_check "終了(&X) asks before ending" e2e_tray_menu $fourth x
e2e_check "the question titled 確認 is shown" e2e_wait_for 10 e2e_has_window 確認
e2e_check "Yes (the default button) closes the question" e2e_answer_box 確認 Return
e2e_check "Yes ends the program" e2e_wait_for 10 e2e_dead $fourth
e2e_check "the program exits with code 0" test "$(e2e_stop $fourth)" -eq 0
e2e_check "setting.ini is written on the way out" grep -q "DefaultList=$tray/list.lst" "$tray/setting.ini"

# --- The timed instance: its "1分" item runs at the 61st tick.
remaining=$((timed_started + 75 - SECONDS))
e2e_check "a 1分 item empties its folder by itself a minute after start" \
  e2e_wait_for $((remaining > 0 ? remaining : 1)) test ! -e "$timed/target/sub"
e2e_check "not before the minute is up" test $((SECONDS - timed_started)) -ge 55
e2e_check "the timed run keeps the excluded file" test -e "$timed/target/keep.txt"
kill -TERM $timed_pid
e2e_check "the timed instance ends on SIGTERM" e2e_wait_for 10 e2e_dead $timed_pid
e2e_check "the timed instance exits with code 0" test "$(e2e_stop $timed_pid)" -eq 0

e2e_finish
