#!/usr/bin/env bash
# Benchmarks of the real halcyra.exe, seen from outside: how long messages stay on the X
# display and where within the frame grid they come and go, how often the program wakes
# while nothing is due, and how much CPU it uses at rest. Figures, not pass/fail.
# Usage (what `make measure` runs, inside xvfb-run and scripts/wine-session.sh):
#   measure/measure.sh BUILD_DIR
set -euo pipefail

build=$(realpath "$1")
exe=$build/win64/halcyra.exe
flash_times=$build/measure/halcyra_flash_times
work=$(mktemp -d /tmp/halcyra-measure.XXXXXX)
pid=""
watcher=""

cleanup() {
  [ -n "$watcher" ] && kill "$watcher" 2>/dev/null || true
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A settings file with the default messages and the given sections before them.
settings() {
  printf '%s\r\n' "$@" '[General]' 'StartWithWindows=0' 'StartActive=1' \
    '[Messages]' 'Count=5' 'M1=You are calm' 'M2=You are confident' 'M3=You can do this' \
    'M4=Stay focused' 'M5=Drink some water'
}

# Wine sets APPDATA from the prefix's registry, not from the Unix environment, so the
# settings go where the program will look for them.
settings_file=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")/Halcyra/settings.ini

# Starts the program with settings.ini from stdin. Not in a pipeline: it sets pid for the
# caller.
start_program() {
  mkdir -p "$(dirname "$settings_file")"
  cat > "$settings_file"
  wine "$exe" >/dev/null 2>&1 &
  pid=$(program_process)
}

# The launcher hands the program to a process of its own, whose first argument is the
# exe; it is told from other sessions' programs by this session's prefix.
program_process() {
  local p try
  for try in $(seq 100); do
    for p in $(pgrep -f 'halcyra\.exe' || true); do
      if tr '\0' '\n' < "/proc/$p/cmdline" 2>/dev/null | head -n 1 | grep 'halcyra\.exe$' >/dev/null &&
         tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -xF "WINEPREFIX=$WINEPREFIX" >/dev/null; then
        echo "$p"
        return
      fi
    done
    sleep 0.1
  done
}

stop_program() {
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  pid=""
}

# The wineserver of this session's prefix, which does the work of every window call.
server_pid() {
  local p
  for p in $(pgrep -x wineserver64 || true); do
    if tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -xF "WINEPREFIX=$WINEPREFIX" >/dev/null; then
      echo "$p"
      return
    fi
  done
}

# Voluntary context switches of all the program's threads: each is a wake-up.
wakes() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }

# Active, with the next flash two minutes away: nothing is due for 30 s.
measure_wakes() {
  local seconds=30 w0 w1
  start_program < <(settings '[Timing]' 'IntervalMin=120' 'IntervalMax=120')
  sleep 5
  w0=$(wakes "$pid")
  sleep "$seconds"
  w1=$(wakes "$pid")
  echo "Wakes while active with nothing due, over $seconds s: $((w1 - w0)) voluntary context switches"
  stop_program
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

measure_flashes() {
  local duration=$1 flashes=40
  "$flash_times" "$flashes" 120 "$duration" > "$work/flashes.txt" &
  watcher=$!
  until grep -q watching "$work/flashes.txt" 2>/dev/null; do sleep 0.1; done
  start_program < <(settings '[Timing]' 'IntervalMin=1' 'IntervalMax=1' "DurationMs=$duration")
  wait "$watcher" || true
  watcher=""
  stop_program
  echo "DurationMs $duration, $flashes flashes one second apart, map to unmap on the X display:"
  grep -v watching "$work/flashes.txt"
}

measure_cpu() {
  local label=$1 seconds=60 ticks_per_second
  ticks_per_second=$(getconf CLK_TCK)
  sleep 5
  local server
  server=$(server_pid)
  local p0 s0 p1 s1
  p0=$(cpu_ticks "$pid"); s0=$(cpu_ticks "$server")
  sleep "$seconds"
  p1=$(cpu_ticks "$pid"); s1=$(cpu_ticks "$server")
  awk -v l="$label" -v p=$((p1 - p0)) -v s=$((s1 - s0)) -v t="$ticks_per_second" -v n="$seconds" \
    'BEGIN { printf "CPU %s over %d s: halcyra.exe %.3f%% of one core, wineserver %.3f%%\n", l, n, 100 * p / t / n, 100 * s / t / n }'
  stop_program
}

measure_flashes 10
measure_flashes 40
measure_flashes 100
measure_wakes

start_program < <(settings | sed 's/^StartActive=1/StartActive=0/')
measure_cpu "while stopped"
start_program < <(settings)
measure_cpu "while active, default timing"

echo "The flash window over 10,000 shows, and the settings dialog over 20,000 pasted lines:"
timeout 900 wine "$build/win64/halcyra_flash_bench.exe"
