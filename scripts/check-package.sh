#!/usr/bin/env bash
# Checks a Kelvora .deb: its dependencies were computed and resolve on this system, and
# the program unpacked into a temporary root (dpkg -x) passes check-installed.sh.
# Usage: scripts/check-package.sh kelvora_VERSION_ARCH.deb
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
DEB="$(realpath "${1:?usage: check-package.sh FILE.deb}")"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

depends="$(dpkg-deb --field "$DEB" Depends)"
echo "Depends: $depends"
# Linked libraries come from dpkg-shlibdeps; the SQLite driver Qt loads at run time is named by hand.
for needed in libqt6core6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libsqlite3-0 fonts-liberation2; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || { echo "FAIL: Depends lacks $needed" >&2; exit 1; }
done
# Every dependency is a package this Debian knows, at a version it has.
apt-get install --simulate --no-install-recommends "$DEB" >"$WORK/apt.txt" 2>&1 \
  || { cat "$WORK/apt.txt" >&2; echo "FAIL: apt cannot install $DEB" >&2; exit 1; }

dpkg-deb -x "$DEB" "$WORK/root"
if find "$WORK/root" -type f -path '*/bin/*' -exec file {} + | grep -q "not stripped"; then
  echo "FAIL: the packaged program is not stripped" >&2
  exit 1
fi
"$ROOT/scripts/check-installed.sh" "$WORK/root/usr"
