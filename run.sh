#!/usr/bin/env bash
# Installs what is missing, builds Kelvora and starts it on the demo data folder.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$ROOT/scripts/common.sh"
"$ROOT/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"
kelvora_configure_and_build "$ROOT/build" -DKELVORA_BUILD_TESTS=ON
DEMO="${KELVORA_DEMO_DIR:-$ROOT/build/demo-data}"
export KELVORA_CONFIG_DIR="${KELVORA_CONFIG_DIR:-$DEMO/config}"
exec "$ROOT/build/src/kelvora" --data-dir "$DEMO" --demo "$@"
