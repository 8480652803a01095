#!/usr/bin/env bash
# Builds Kelvora and makes its Debian package with CPack.
# Usage: scripts/package.sh [BUILD_DIR]   (default: build/, the folder test.sh and run.sh use)
# Prints the path of the .deb it wrote (in BUILD_DIR/package/).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/scripts/common.sh"
BUILD="$(realpath -m "${1:-$ROOT/build}")"
# dpkg-shlibdeps (dpkg-dev) computes the dependencies from the executable; it calls file.
"$ROOT/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
# A folder of its own builds the program only; an existing one keeps its choices.
options=()
[ -f "$BUILD/CMakeCache.txt" ] || options=(-DKELVORA_BUILD_TESTS=OFF)
kelvora_configure_and_build "$BUILD" "${options[@]}" >&2
rm -rf "$BUILD/package"
(cd "$BUILD" && cpack -G DEB -B "$BUILD/package" >&2)
ls "$BUILD"/package/kelvora_*.deb
