#!/usr/bin/env bash
# Renders the preview's tool bar icons from their SVG drawings; the PNGs are committed, so
# building does not need the tool. Needs rsvg-convert.
set -euo pipefail
cd "$(dirname "$0")"
for svg in icons/*.svg; do
  name=${svg%.svg}
  rsvg-convert -w 24 -h 24 "$svg" -o "$name-24.png"
  rsvg-convert -w 48 -h 48 "$svg" -o "$name-48.png"
done
