#!/usr/bin/env bash
# Starts the program on a data folder under a virtual screen, times it until
# its main window is mapped, closes it, and prints that time with the peak
# memory of the process. Each run gets a fresh settings folder, so no
# start-up password or saved window state weighs on it.
#   bench/startup.sh FOLDER [RUNS] [PROGRAM]
# PROGRAM defaults to build/src/kelvora; FOLDER is made by kelvora_make_data.
# Needs xvfb-run, openbox, wmctrl and /usr/bin/time.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
FOLDER="$(cd "${1:?usage: bench/startup.sh FOLDER [RUNS] [PROGRAM]}" && pwd)"
RUNS="${2:-3}"
PROGRAM="$(realpath "${3:-$ROOT/build/src/kelvora}")"

if [ -z "${KELVORA_STARTUP_INNER:-}" ]; then
  exec env KELVORA_STARTUP_INNER=1 xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$FOLDER" "$RUNS" "$PROGRAM"
fi

openbox >/dev/null 2>&1 &
WM=$!
trap 'kill "$WM" 2>/dev/null || true' EXIT
sleep 1

WORK="$(mktemp -d)"
trap 'kill "$WM" 2>/dev/null || true; rm -rf "$WORK"' EXIT
for run in $(seq "$RUNS"); do
  rm -rf "$WORK/config" && mkdir -p "$WORK/config"
  start=$(date +%s%N)
  KELVORA_CONFIG_DIR="$WORK/config" /usr/bin/time -v -o "$WORK/time" "$PROGRAM" --data-dir "$FOLDER" \
    >"$WORK/out" 2>&1 &
  PID=$!
  shown=""
  for _ in $(seq 3000); do
    if wmctrl -l 2>/dev/null | grep -q "Kelvora"; then
      shown=$(date +%s%N)
      break
    fi
    if ! kill -0 "$PID" 2>/dev/null; then
      break
    fi
    sleep 0.01
  done
  if [ -z "$shown" ]; then
    echo "run $run: no main window appeared" >&2
    cat "$WORK/out" >&2
    pkill -TERM -P "$PID" 2>/dev/null || true
    exit 1
  fi
  # Leave it a moment to finish its first paint, then close it as a user would.
  sleep 1
  wmctrl -c "Kelvora" || true
  for _ in $(seq 500); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.02
  done
  # Still open (a question at close): end the program, not the timer, so it reports.
  pkill -TERM -P "$PID" 2>/dev/null || true
  wait "$PID" 2>/dev/null || true
  peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$WORK/time")
  # CPU time of the whole run (start, a second shown, close): steadier than the
  # wall time when other programs share the machine.
  cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {print s}' "$WORK/time")
  printf 'run %d: window shown after %.2f s, peak memory %d MB, CPU %.2f s\n' "$run" \
    "$(echo "($shown - $start) / 1000000000" | bc -l)" "$((peak_kb / 1024))" "$cpu"
done
