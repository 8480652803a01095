#!/usr/bin/env bash
# Installs what is missing, builds Kelvora and runs every test.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$ROOT/scripts/common.sh"
"$ROOT/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${PACKAGE_TOOLS[@]}" poppler-utils
kelvora_configure_and_build "$ROOT/build" -DKELVORA_BUILD_TESTS=ON -DKELVORA_WERROR="${KELVORA_WERROR:-OFF}"
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
