#!/usr/bin/env bash
# Renders the program's icon, drawn once in quillmaze.svg, as the pictures a desktop's icon
# theme takes (icons/, installed under hicolor) and as the window icon the program carries in
# its resources. The PNGs are committed, so building needs no SVG renderer. Needs rsvg-convert.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p icons
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" quillmaze.svg -o "icons/quillmaze-$size.png"
done
for size in 24 48; do
  cp "icons/quillmaze-$size.png" "../../src/app/ui/resources/icons/quillmaze-$size.png"
done
