#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of Orvane against a plain Qt main window (bench/startup/baselinewindow.cpp):
# the time until a window titled after the document exists, the time until that window is
# on the screen (mapped), and the resident memory once the program has idled. A window
# exists with its title from its creation on, before its layout and its fonts are worked
# out; it shows once they are. Runs each program several times on its own Xvfb display with an
# empty configuration folder and its own runtime folder (so a copy of Orvane running
# elsewhere for the same user is not asked to open the document instead), taking turns so
# that a busy machine slows both alike, and prints the medians and the ratios.
# Usage: bench/startup/measure.sh [build folder] [runs] [program, the build's orvane if not given]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
program=${3:-$build/bin/orvane}
top=$(cd "$(dirname "$0")/../.." && pwd)
command -v xdotool >/dev/null || { echo "needs xdotool (apt-get install xdotool)" >&2; exit 2; }
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display itself and names it once it is ready.
# Without -noreset the server starts over whenever its last client leaves, and a program
# that connects just then fails.
Xvfb -displayfd 3 -noreset -screen 0 1400x1000x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
"$build/bin/orvane-render" --layout 3 --month 1 --year 2027 --save "$work/Startup.OVF"

# Prints "titled-milliseconds shown-milliseconds kilobytes" for one start of the command.
measure() {
  local config runtime
  config=$(mktemp -d "$work/config-XXXXXX")
  runtime=$(mktemp -d "$work/runtime-XXXXXX")
  local start titled shown pid
  start=$(date +%s%N)
  XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" "$@" "$work/Startup.OVF" >/dev/null 2>"$work/errors" &
  pid=$!
  until xdotool search --pid "$pid" --name "Startup" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window showed:" >&2; cat "$work/errors" >&2; exit 1; }
    sleep 0.005
  done
  titled=$(date +%s%N)
  until xdotool search --onlyvisible --pid "$pid" --name "Startup" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window showed:" >&2; cat "$work/errors" >&2; exit 1; }
    sleep 0.005
  done
  shown=$(date +%s%N)
  sleep 3
  local rss
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (titled - start) / 1000000 )) $(( (shown - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Prints the medians of the columns of the runs in the file named.
medians() {
  echo "$(cut -d' ' -f1 "$1" | median) $(cut -d' ' -f2 "$1" | median) $(cut -d' ' -f3 "$1" | median)"
}

: > "$work/baseline"
: > "$work/orvane"
for _ in $(seq "$runs"); do
  measure "$build/bench/baselinewindow" >> "$work/baseline"
  measure "$program" >> "$work/orvane"
done
read -r bms bshown bkb <<<"$(medians "$work/baseline")"
read -r oms oshown okb <<<"$(medians "$work/orvane")"
printf '%-10s %8s %8s %10s\n' program "title ms" "shown ms" "idle MB"
printf '%-10s %8d %8d %10.1f\n' baseline "$bms" "$bshown" "$(echo "$bkb / 1024" | bc -l)"
printf '%-10s %8d %8d %10.1f\n' orvane "$oms" "$oshown" "$(echo "$okb / 1024" | bc -l)"
printf 'ratio      %8.2f %8.2f %10.2f\n' "$(echo "$oms / $bms" | bc -l)" "$(echo "$oshown / $bshown" | bc -l)" \
  "$(echo "$okb / $bkb" | bc -l)"
