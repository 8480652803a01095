#!/usr/bin/env bash
# Builds the store benchmarks in their own build folder, runs them with several
# repetitions (interleaved, so a busy machine weighs on both sides alike) and
# prints the median time of each against its baseline.
#   bench/ratios.sh [REPETITIONS]        (default 7)
# KELVORA_BENCH_BUILD overrides the build folder (default build-bench).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BENCH_BUILD:-$ROOT/build-bench}"
REPS="${1:-7}"

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKELVORA_BUILD_BENCH=ON -DKELVORA_BUILD_TESTS=OFF -DKELVORA_BUILD_GUI=OFF >/dev/null
cmake --build "$BUILD" --target bench_Store >/dev/null

OUT="$(mktemp)"
trap 'rm -f "$OUT"' EXIT
"$BUILD/bench/bench_Store" --benchmark_repetitions="$REPS" --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true | tee "$OUT"

# Ratios of the medians, on CPU time (steadier on a shared machine) and on wall time.
awk '
function ms(value, unit) {
  if (unit == "ns") return value / 1e6
  if (unit == "us") return value / 1e3
  if (unit == "s") return value * 1e3
  return value
}
/_median / {
  name = $1; sub(/_median$/, "", name)
  real[name] = ms($2, $3); cpu[name] = ms($4, $5)
}
function report(label, product, baseline, goal,    r, w) {
  if (!(product in cpu) || !(baseline in cpu) || cpu[baseline] == 0) {
    printf "%-48s missing\n", label; return
  }
  r = cpu[product] / cpu[baseline]; w = real[product] / real[baseline]
  printf "%-48s %8.2f ms / %8.2f ms  ratio %5.2f (wall %5.2f)  goal <= %.1f  %s\n", label,
         cpu[product], cpu[baseline], r, w, goal, (r <= goal ? "met" : "MISSED")
}
END {
  print ""
  print "Median ratios (CPU time):"
  report("load 100k expenses: store / raw sqlite3 scan", "BM_LoadExpenseStore", "BM_LoadExpenseRawScan", 2.0)
  report("order Date;Bus;Expense;Supplier;Invoice: view / stable_sort", "BM_OrderExpenseView", "BM_OrderPlainStableSort", 1.3)
}' "$OUT"
