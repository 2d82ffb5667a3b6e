# Helpers for the end-to-end tests: a private X server, a copy of the program in a folder of its
# own, and waits that poll instead of sleeping a fixed time.
set -euo pipefail

E2E_FAILURES=0
E2E_PASSES=0

e2e_start_display() {
  E2E_TMP=$(mktemp -d)
  export XDG_RUNTIME_DIR=$E2E_TMP/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$E2E_TMP/display" 2>/dev/null &
  E2E_XVFB=$!
  local i
  for i in $(seq 100); do [ -s "$E2E_TMP/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$E2E_TMP/display")
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  local pids
  pids=$(jobs -p) || true
  [ -n "$pids" ] && kill $pids 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}

# e2e_install NAME: copies the program into a fresh folder $E2E_TMP/NAME and prints its path.
e2e_install() {
  mkdir -p "$E2E_TMP/$1"
  cp "$E2E_PROGRAM" "$E2E_TMP/$1/sorrelwickhaven"
  echo "$E2E_TMP/$1"
}

# e2e_wait_for SECONDS COMMAND...: polls until COMMAND succeeds.
e2e_wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

e2e_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
e2e_has_window() { [ -n "$(e2e_window "$1")" ]; }
e2e_alive() { kill -0 "$1" 2>/dev/null; }
e2e_dead() { ! kill -0 "$1" 2>/dev/null; }

e2e_check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    E2E_PASSES=$((E2E_PASSES + 1))
  else
    echo "FAILED: $what"
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

e2e_finish() {
  echo "$E2E_PASSES passed, $E2E_FAILURES failed"
  [ "$E2E_FAILURES" -eq 0 ]
}

# e2e_start_tray: a notification area (trayer) in the top right corner of the screen.
e2e_start_tray() {
  trayer --edge top --align right --widthtype pixel --width 100 --heighttype pixel --height 32 \
    --SetDockType false --expand false >/dev/null 2>&1 &
  e2e_wait_for 10 e2e_tray_up
}
e2e_tray_up() { [ -n "$(xdotool search --onlyvisible --class trayer 2>/dev/null)" ]; }

# The program's own small windows carry no title: they are found by class and process.
e2e_windows_of() { xdotool search --all --pid "$1" --onlyvisible --classname '^sorrelwickhaven$' 2>/dev/null; }
e2e_size_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }

# e2e_tray_icon PID: the program's icon inside the tray, a small window in the top bar.
e2e_tray_icon() {
  local w size
  for w in $(e2e_windows_of "$1"); do
    size=$(e2e_size_of "$w")
    if [ "${size%x*}" -le 40 ] && [ "${size#*x}" -le 40 ]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# e2e_menu_open PID: the tray menu is up (a balloon is smaller than the menu's ten rows).
e2e_menu_open() {
  local w size
  for w in $(e2e_windows_of "$1"); do
    size=$(e2e_size_of "$w")
    [ "${size#*x}" -gt 120 ] && return 0
  done
  return 1
}

# e2e_tray_menu PID KEY: opens the tray menu with a left press on the icon and picks an item by
# its accelerator key.
e2e_tray_menu() {
  local icon
  icon=$(e2e_tray_icon "$1") || return 1
  xdotool mousemove --window "$icon" 11 15 click 1
  e2e_wait_for 5 e2e_menu_open "$1" || return 1
  # The menu takes the keyboard a moment after it is mapped; a key that came too early is
  # pressed again.
  local try
  for try in 1 2 3; do
    sleep 0.3
    xdotool key "$2"
    e2e_wait_for 2 e2e_menu_closed "$1" && return 0
  done
  return 1
}
e2e_menu_closed() { ! e2e_menu_open "$1"; }

# e2e_answer_box TITLE KEY: presses KEY in the message box titled TITLE until it goes away.
e2e_answer_box() {
  local box try
  for try in 1 2 3; do
    box=$(e2e_window "$1")
    [ -n "$box" ] || return 0
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    sleep 0.3
    xdotool key --clearmodifiers "$2"
    e2e_wait_for 3 e2e_no_window "$1" && return 0
  done
  return 1
}
e2e_no_window() { ! e2e_has_window "$1"; }

# e2e_stop PID: the exit status of the program, killed first if it is still running.
e2e_stop() {
  local status=0
  e2e_alive "$1" && kill -KILL "$1"
  wait "$1" || status=$?
  echo "$status"
}

# e2e_icon_picture PID: a digest of what the tray icon shows.
e2e_icon_picture() {
  local icon
  icon=$(e2e_tray_icon "$1") || return 1
  xwd -silent -id "$icon" | tail -c 4096 | md5sum | cut -d' ' -f1
}
e2e_icon_is() { [ "$(e2e_icon_picture "$1")" = "$2" ]; }
e2e_icon_is_not() { [ "$(e2e_icon_picture "$1")" != "$2" ]; }
