#!/usr/bin/env bash
# Renders the tool bar icons of the program and of the output windows from their SVG drawings and
# draws the background tile; the PNGs are committed, so building needs neither tool. Needs
# rsvg-convert and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
for svg in icons/*.svg ../../../output/print/ui/resources/icons/*.svg; do
  name=${svg%.svg}
  rsvg-convert -w 24 -h 24 "$svg" -o "$name-24.png"
  rsvg-convert -w 48 -h 48 "$svg" -o "$name-48.png"
done

# A tile of faint letters in a grid: the letters sit inside the tile, so tiles meet seamlessly.
letters=(W O R D S E A R C H P U Z Z L E)
draw=()
for i in "${!letters[@]}"; do
  x=$(( (i % 4) * 24 + 6 )); y=$(( (i / 4) * 24 + 19 ))
  draw+=(-draw "text $x,$y '${letters[$i]}'")
done
convert -size 96x96 xc:'#c9ccd1' -fill '#d0d3d7' -draw 'rectangle 0,0 47,47' -draw 'rectangle 48,48 95,95' \
  -font Liberation-Sans-Bold -pointsize 16 -fill '#bcc0c7' "${draw[@]}" -strip background.png
