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
