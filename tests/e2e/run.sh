#!/usr/bin/env bash
# End-to-end: the built program copied into empty folders and started for real under Xvfb.
# Usage: run.sh PATH-TO-sorrelwickhaven
set -euo pipefail
E2E_PROGRAM=$(realpath "$1")
here=$(dirname "$0")
source "$here/lib.sh"
e2e_start_display

default_settings=$(printf '%s\r\n' \
  '###### Sorrelwickhaven v3.00 SettingData ######' \
  "######  Don't edit this file by manual!  ######" \
  '' 'ShowMainWindow=1' 'ShowBaloon=1' 'RegistStartup=0' 'MakeDeleteLog=1' 'SepDeleteLog=0' \
  'MakeErrorLog=1' 'SepErrorLog=0' 'DefaultList=' 'NotDeleteSubFolder=0' | xxd -p)

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
box=$(e2e_window エラー)
e2e_check "the second start waits on its box" e2e_alive $second
if [ -n "$box" ]; then
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key --clearmodifiers Return
fi
e2e_check "OK ends the second start" e2e_wait_for 10 e2e_dead $second
status=0
wait $second || status=$?
e2e_check "the refused start exits with code 0" test "$status" -eq 0
e2e_check "the first instance runs on" e2e_alive $first
e2e_check "the first instance still shows its window" e2e_has_window Sorrelwickhaven

# --- SIGTERM takes the ordinary close path: exit code 0, setting.ini kept whole.
kill -TERM $first
e2e_check "SIGTERM ends the first instance" e2e_wait_for 10 e2e_dead $first
status=0
wait $first || status=$?
e2e_check "the first instance exits with code 0" test "$status" -eq 0
e2e_check "setting.ini is written again on the way out" \
  test "$(xxd -p "$app/setting.ini")" = "$default_settings"

# --- ShowMainWindow=0: nothing is shown at start.
hidden=$(e2e_install hidden)
printf 'ShowMainWindow=0\r\n' >"$hidden/setting.ini"
"$hidden/sorrelwickhaven" 2>"$E2E_TMP/hidden.err" &
third=$!
# Nothing appears to wait for, so give the program a moment to show what it would show.
sleep 2
e2e_check "a hidden start keeps running" e2e_alive $third
e2e_check "a hidden start shows no window" test -z "$(e2e_window Sorrelwickhaven)"
e2e_check "a hidden start keeps its settings file" \
  test "$(cat "$hidden/setting.ini")" = "$(printf 'ShowMainWindow=0\r\n')"
kill -TERM $third
status=0
wait $third || status=$?
e2e_check "the hidden instance exits with code 0 on SIGTERM" test "$status" -eq 0

e2e_finish
