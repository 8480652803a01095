#!/usr/bin/env bash
# Installs what is missing, builds Kelvora and runs every test.
# `./test.sh --sanitize` does the same in build-asan/, built by clang with
# AddressSanitizer (leak checks on) and UndefinedBehaviorSanitizer, stopping at
# the first fault. Further arguments go to ctest.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$ROOT/scripts/common.sh"
if [ "${1:-}" = "--sanitize" ]; then
  shift
  "$ROOT/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${PACKAGE_TOOLS[@]}" "${SANITIZE_PACKAGES[@]}" \
    poppler-utils
  kelvora_configure_sanitized "$ROOT/build-asan" -DKELVORA_WERROR="${KELVORA_WERROR:-OFF}"
  cmake --build "$ROOT/build-asan" --parallel "$(nproc)"
  source "$ROOT/tests/support/sanitizers/environment.sh"
  cd "$ROOT/build-asan"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
  exit
fi
"$ROOT/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${PACKAGE_TOOLS[@]}" poppler-utils
kelvora_configure_and_build "$ROOT/build" -DKELVORA_BUILD_TESTS=ON -DKELVORA_WERROR="${KELVORA_WERROR:-OFF}"
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
