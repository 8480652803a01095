#!/usr/bin/env bash
# Checks an installed Kelvora as a user meets it: the files the desktop needs, their
# validators, the command line without a display, and a start on an empty data folder.
# Usage: scripts/check-installed.sh PREFIX                      (e.g. ROOT/usr after dpkg -x)
#        scripts/check-installed.sh --install-from BUILD_DIR    (installs into a temporary prefix first)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

if [ "${1:-}" = "--install-from" ]; then
  PREFIX="$WORK/prefix"
  cmake --install "$2" --prefix "$PREFIX" >/dev/null
else
  PREFIX="$(realpath "${1:?usage: check-installed.sh PREFIX | --install-from BUILD_DIR}")"
fi
ID=com.marrowby.Kelvora
BIN="$PREFIX/bin/kelvora"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for file in bin/kelvora share/kelvora/Logo.Jpg "share/applications/$ID.desktop" "share/metainfo/$ID.metainfo.xml" \
            "share/icons/hicolor/scalable/apps/$ID.svg" "share/icons/hicolor/48x48/apps/$ID.png" \
            "share/icons/hicolor/256x256/apps/$ID.png" share/doc/kelvora/README.md; do
  [ -e "$PREFIX/$file" ] || fail "$file is not installed"
done
[ -e "$PREFIX/share/kelvora/desktop" ] && fail "the desktop artwork sits in the program folder"
[ -x "$BIN" ] || { echo "FAIL: no program at $BIN" >&2; exit 1; }

desktop-file-validate "$PREFIX/share/applications/$ID.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" >"$WORK/appstream.txt" 2>&1 \
  || { cat "$WORK/appstream.txt" >&2; fail "AppStream metadata"; }
grep -qx "Exec=kelvora" "$PREFIX/share/applications/$ID.desktop" || fail "the desktop entry does not start kelvora"
grep -qx "Icon=$ID" "$PREFIX/share/applications/$ID.desktop" || fail "the desktop entry names another icon"

# The command line answers without a display: over ssh, in scripts, in a package check.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
"${nodisplay[@]}" "$BIN" --help >"$WORK/help.txt" || fail "--help ended with status $?"
for option in --data-dir --demo --self-test --version; do
  grep -q -- "$option" "$WORK/help.txt" || fail "--help does not name $option"
done
version="$("${nodisplay[@]}" "$BIN" --version)" || fail "--version ended with status $?"
release="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$PREFIX/share/metainfo/$ID.metainfo.xml" | head -n 1)"
[ "$version" = "Kelvora $release" ] || fail "--version says '$version', the newest release in the metadata is $release"
status=0
"${nodisplay[@]}" "$BIN" --no-such-option >/dev/null 2>"$WORK/refused.txt" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
grep -q "Unknown option 'no-such-option'" "$WORK/refused.txt" || fail "an unknown option gives no clear message"

# A first start on an empty folder creates the books; closing saves the settings. Nothing
# reaches the real home folder.
export HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/data" XDG_CONFIG_HOME="$WORK/home/config"
export KELVORA_CONFIG_DIR="$WORK/config" QT_QPA_PLATFORM=offscreen
unset KELVORA_DATA_DIR KELVORA_PROGRAM_DIR
mkdir -p "$WORK/data"
status=0
timeout 120 "$BIN" --data-dir "$WORK/data" --self-test >"$WORK/self-test.txt" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  cat "$WORK/self-test.txt" >&2
  fail "the self-test ended with status $status"
fi
grep -qx "Program folder: $(realpath "$PREFIX/share/kelvora")/" "$WORK/self-test.txt" \
  || fail "the program does not use its installed program folder: $(grep 'Program folder' "$WORK/self-test.txt")"
for file in Kelvora.db Kelvora.Ini; do
  [ -s "$WORK/data/$file" ] || fail "$file was not written in the empty data folder"
done
[ -s "$KELVORA_CONFIG_DIR/Kelvora.ini" ] || fail "the per-user settings file was not written"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) of the installation in $PREFIX failed" >&2
  exit 1
fi
echo "Installation in $PREFIX: all checks passed"
