#!/usr/bin/env bash
# Builds the store benchmarks in their own build folder, runs them with several
# repetitions (interleaved, so a busy machine weighs on both sides alike) and
# prints the median time of each against its baseline.
#   bench/ratios.sh [REPETITIONS]        (default 7)
# KELVORA_BENCH_BUILD overrides the build folder (default build-bench).
# KELVORA_BENCH_BEFORE=DIR also builds the benchmarks of another checkout (an
# earlier commit, for example from `git archive`) with this tree's bench_Store.cpp
# and runs the two programs in turns, round by round, to set before against after.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BENCH_BUILD:-$ROOT/build-bench}"
REPS="${1:-7}"
BEFORE="${KELVORA_BENCH_BEFORE:-}"

build() {
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKELVORA_BUILD_BENCH=ON -DKELVORA_BUILD_TESTS=OFF -DKELVORA_BUILD_GUI=OFF >/dev/null
  cmake --build "$2" --target bench_Store >/dev/null
}

OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT
build "$ROOT" "$BUILD"
if [ -n "$BEFORE" ]; then
  BEFORE="$(cd "$BEFORE" && pwd)"
  cp "$ROOT/bench/bench_Store.cpp" "$BEFORE/bench/bench_Store.cpp"
  build "$BEFORE" "$BEFORE/build-bench"
  # One repetition of each program per round, alternating which goes first.
  for round in $(seq "$REPS"); do
    if [ $((round % 2)) -eq 1 ]; then order="before after"; else order="after before"; fi
    for side in $order; do
      if [ "$side" = before ]; then bin="$BEFORE/build-bench/bench/bench_Store"; else bin="$BUILD/bench/bench_Store"; fi
      "$bin" --benchmark_enable_random_interleaving=true | sed -n "s/^BM_/$side BM_/p" >>"$OUT/runs"
    done
  done
else
  "$BUILD/bench/bench_Store" --benchmark_repetitions="$REPS" --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true | tee "$OUT/aggregates"
  sed -n 's/^\(BM_[^ ]*\)_median /after \1 /p' "$OUT/aggregates" >"$OUT/runs"
fi

# Medians per program and benchmark, on CPU time (steadier on a shared machine)
# and on wall time; ratios against the baselines, and after against before.
awk -v reps="$REPS" '
function ms(value, unit) {
  if (unit == "ns") return value / 1e6
  if (unit == "us") return value / 1e3
  if (unit == "s") return value * 1e3
  return value
}
function median(list,    n, a, i, j, t) {
  n = split(list, a, " ")
  for (i = 2; i <= n; i++) { t = a[i] + 0; for (j = i - 1; j >= 1 && a[j] + 0 > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
{
  key = $1 " " $2
  real[key] = real[key] " " ms($3, $4); cpu[key] = cpu[key] " " ms($5, $6)
  for (i = 7; i <= NF; i++) if ($i ~ /=/) { split($i, kv, "="); counter[key, kv[1]] = kv[2]; names[kv[1]] = 1 }
  sides[$1] = 1
}
function report(side, label, product, baseline, goal,    p, b, r, w) {
  p = side " " product; b = side " " baseline
  if (!(p in cpu) || !(b in cpu)) { printf "%-7s %-58s missing\n", side, label; return }
  r = median(cpu[p]) / median(cpu[b]); w = median(real[p]) / median(real[b])
  printf "%-7s %-58s %8.2f ms / %8.2f ms  ratio %5.2f (wall %5.2f)  goal <= %.1f  %s\n", side, label,
         median(cpu[p]), median(cpu[b]), r, w, goal, (r <= goal ? "met" : "MISSED")
}
END {
  print ""
  print "Median ratios (CPU time):"
  for (side in sides) {
    report(side, "load 100k expenses: store / raw sqlite3 scan", "BM_LoadExpenseStore", "BM_LoadExpenseRawScan", 1.0)
    report(side, "order Date;Bus;Expense;Supplier;Invoice: view / stable_sort", "BM_OrderExpenseView", "BM_OrderPlainStableSort", 1.3)
  }
  if (!("before" in sides)) exit
  print ""
  print "After against before (median CPU time; counters of the last run):"
  for (key in cpu) {
    split(key, k, " ")
    if (k[1] != "after" || !(("before " k[2]) in cpu)) continue
    b = median(cpu["before " k[2]]); a = median(cpu[key])
    printf "  %-26s before %9.2f ms  after %9.2f ms  after/before %5.2f\n", k[2], b, a, a / b
    for (n in names) if ((key, n) in counter)
      printf "  %-26s   %-20s before %8s  after %8s\n", "", n, counter["before " k[2], n], counter[key, n]
  }
}' "$OUT/runs"
