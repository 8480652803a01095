#!/usr/bin/env bash
# Renders the drawn artwork into the committed bitmaps: the icon at the sizes the
# desktop's icon theme and the window use, and the sample report logo Logo.Jpg.
# Run it after changing resources/desktop/com.marrowby.Kelvora.svg or Logo.svg.
# Needs rsvg-convert (librsvg2-bin) and convert (imagemagick).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
ART="$ROOT/resources/desktop"
ICON_SIZES=(16 24 32 48 64 128 256)

mkdir -p "$ART/icons"
for size in "${ICON_SIZES[@]}"; do
  rsvg-convert -w "$size" -h "$size" "$ART/com.marrowby.Kelvora.svg" -o "$ART/icons/${size}.png"
done
# Reports print the logo on white paper; a JPEG has no transparency to lose.
tmp="$(mktemp --suffix=.png)"
trap 'rm -f "$tmp"' EXIT
rsvg-convert "$ART/Logo.svg" -o "$tmp"
convert "$tmp" -background white -flatten -strip -quality 92 "$ROOT/resources/Logo.Jpg"
