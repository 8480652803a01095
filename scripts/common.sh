# Shared by run.sh and test.sh: the packages Kelvora needs to build and run.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-charts-dev libgl-dev
  libsimpleini-dev libsqlite3-dev libsodium-dev fonts-dejavu-core fonts-liberation2)

kelvora_configure_and_build() {
  local dir="$1"; shift
  kelvora_configure_only "$dir" "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}

kelvora_configure_only() {
  local dir="$1"; shift
  local launcher=()
  # A compiler cache, when the machine has one, makes rebuilds cheap. No base
  # folder is set: the report tests find their fixtures through __FILE__, which
  # must stay an absolute path.
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

# Making the Debian package and checking what is installed; not needed to run Kelvora.
PACKAGE_TOOLS=(dpkg-dev file desktop-file-utils appstream)

# `test.sh --sanitize` and tests/fuzz/run.sh: clang with its sanitizer and libFuzzer
# runtimes, and the symbolizer that puts file:line into their reports.
SANITIZE_PACKAGES=(clang libclang-rt-14-dev llvm)

# build-asan/: everything built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer, the libFuzzer programs of tests/fuzz included.
kelvora_configure_sanitized() {
  local dir="$1"; shift
  kelvora_configure_only "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DKELVORA_BUILD_TESTS=ON -DKELVORA_SANITIZE=ON -DKELVORA_BUILD_FUZZ=ON "$@"
}
