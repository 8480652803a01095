#!/usr/bin/env bash
# Fuzzes every parser of outside text for SECONDS seconds each (default 20).
# Usage: tests/fuzz/run.sh [SECONDS] [TARGET...]
# Builds the libFuzzer programs with clang into build-asan/ (the folder of
# `test.sh --sanitize`), starts each from its committed seeds in corpus/<target>/
# plus what earlier runs found (build-asan/fuzz/corpus/), and stops at the first
# failure: the input that broke a check is in build-asan/fuzz/artifacts/<target>/.
# Add it as a row of tst_FuzzRegressions once the fault is fixed.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
source "$ROOT/scripts/common.sh"
SECONDS_EACH="${1:-20}"
shift || true
BUILD="$ROOT/build-asan"

"$ROOT/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${SANITIZE_PACKAGES[@]}"
kelvora_configure_sanitized "$BUILD"
cmake --build "$BUILD" --parallel "$(nproc)" --target fuzzers
source "$ROOT/tests/support/sanitizers/environment.sh"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in "$ROOT"/tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

status=0
for target in "${targets[@]}"; do
  work="$BUILD/fuzz/corpus/$target"
  artifacts="$BUILD/fuzz/artifacts/$target/"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz_$target for ${SECONDS_EACH}s"
  # New inputs go to the work folder; the committed seeds stay as they are.
  # A single input running longer than -timeout counts as a hang.
  if ! (cd "$artifacts" && "$BUILD/tests/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=10 \
        -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 -artifact_prefix="$artifacts" \
        "$work" "$ROOT/tests/fuzz/corpus/$target" 2>"$artifacts/log.txt"); then
    tail -n 40 "$artifacts/log.txt"
    echo "fuzz_$target FAILED: see $artifacts" >&2
    status=1
  else
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$artifacts/log.txt" | tr '\n' ' '
    echo
  fi
done
exit $status
