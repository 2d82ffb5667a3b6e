#!/usr/bin/env bash
# The resident program's cost at rest: CPU time and peak memory over a while (60 s by default)
# with a list of 1,000 interval items and the timer on, started under Xvfb with trayer as the
# tray host (or on the offscreen platform when Xvfb is missing). `sleep` over the same time is the
# reference that a resident process doing nothing costs.
# Usage: rest_bench.sh PATH-TO-sorrelwickhaven [SECONDS]
set -euo pipefail
program=$(realpath "$1")
seconds=${2:-60}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/app" "$work/target" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/app/"
{
  printf '%s\r\n' '###### Sorrelwickhaven v3.00 SettingData ######' \
    "######  Don't edit this file by manual!  ######" ''
  # "1時間" interval items: their countdowns move every minute, none is due within the run.
  for i in $(seq 1000); do
    printf 'item%d,%s,\x8a\xd4\x8a\x75\x8e\x77\x92\xe8,1\x8e\x9e\x8a\xd4,\r\n' "$i" "$work/target"
  done
} >"$work/list.lst"
printf 'ShowMainWindow=0\r\nShowBaloon=0\r\nDefaultList=%s\r\n' "$work/list.lst" >"$work/app/setting.ini"

export XDG_RUNTIME_DIR=$work/runtime
mode=offscreen
if command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$work/display")
  command -v trayer >/dev/null && { trayer --edge top --align right >/dev/null 2>&1 & }
  mode="Xvfb with a tray"
else
  export QT_QPA_PLATFORM=offscreen
fi

cpu_all_ns() { cat /proc/"$1"/task/*/schedstat | awk '{n += $1} END {print n}'; }
peak_kib() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

"$work/app/sorrelwickhaven" 2>/dev/null &
app=$!
sleep 3 # start-up is not rest
sleep $((seconds + 1)) &
reference=$!
before=$(cpu_all_ns $app)
sleep "$seconds"
after=$(cpu_all_ns $app)
app_peak=$(peak_kib $app)
ref_peak=$(peak_kib $reference)
wait $reference || true
kill -TERM $app
wait $app || true

awk -v mode="$mode" -v s="$seconds" -v d=$((after - before)) -v p="$app_peak" \
  -v r="$ref_peak" 'BEGIN {
  printf "at rest for %d s (%s), 1000 interval items, timer on\n", s, mode
  printf "CPU   %.4f s = %.4f%% of one core (aim: under 0.5%%)\n", d / 1e9, 100 * d / 1e9 / s
  printf "peak  %.1f MiB resident (aim: under 60 MiB); sleep: %.1f MiB, ratio %.0f\n",
    p / 1024, r / 1024, (r > 0 ? p / r : 0)
}'
