#!/usr/bin/env bash
# Takes the screenshots of the main window in docs/ from the real program: the sample
# collection in a scratch working folder, once at each screen size, on a virtual X screen.
# The other windows are drawn offscreen by qm_screenshots (docs/screenshots/), built with the tests
# by scripts/test.sh. A sample puzzle with its answer key, as a PDF and as a picture of that page,
# and the book of the sample collection come from the command-line tool beside the program, the
# web puzzles' pictures from docs/make_play_pages.sh. The manual's pictures are copies of these.
# Usage: docs/make_screenshots.sh [path/to/quillmaze] [test build folder]   (needs xvfb-run, ImageMagick
# and the web tests' node modules)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$top/build-run/bin/quillmaze}")
build=$(realpath "${2:-$top/build-test}")

shoot() {  # window size, output picture
  local home
  home=$(mktemp -d)
  cp "$(dirname "$program")/SAMPLE.QZ3" "$home/"
  printf '[Misc]\r\nLast Group=%s/SAMPLE.QZ3\r\nWindow Size=%s\r\nShow Tips=No\r\n' "$home" "$1" > "$home/QMAZE3.INI"
  (cd "$home" && QUILLMAZE_HOME="$home" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      "$0" & pid=$!
      sleep 4
      import -window root "$1"
      kill $pid' "$program" "$home/screen.png")
  convert "$home/screen.png" -trim +repage "$2"
  rm -rf "$home"
}

shoot 640 "$top/docs/main_window_640x480.png"
shoot 1024 "$top/docs/main_window_1024x768.png"

# A sample puzzle with its answer key, printed from a folder without settings, so the options are
# the program's defaults and the layout's.
sample=$(mktemp -d)
for page in sample-puzzle.pdf sample-puzzle.png; do
  (cd "$sample" && "$(dirname "$program")/quillmaze-cli" render "$(dirname "$program")/SAMPLE.QZ3" 0 \
      --answer-key --word-option clues --width 850 --out "$top/docs/$page" > /dev/null)
done
# The book of the sample collection, with its contents page and its keys four to a page.
(cd "$sample" && "$(dirname "$program")/quillmaze-cli" book "$(dirname "$program")/SAMPLE.QZ3" \
    --out "$top/docs/sample-book.pdf" --keys-per-page 4 --page-numbers --contents --seed 1 > /dev/null)
rm -rf "$sample"

# The other windows, offscreen, from the screenshot program of the same build.
"$build/docs/screenshots/qm_screenshots" "$top/docs"

# The web puzzles of the sample collection, played in headless Chromium (docs/play/).
"$top/docs/make_play_pages.sh" "$(dirname "$program")/quillmaze-cli" > /dev/null

# The manual shows the pictures made above: a copy of each one its pages name (pictures/NAME is
# docs/NAME), and no other.
manual=$top/data/help
rm -rf "$manual/pictures"
for picture in $(grep -ho 'src="pictures/[^"]*"' "$manual"/*.html | sed 's/^src="pictures\///; s/"$//' | sort -u); do
  mkdir -p "$(dirname "$manual/pictures/$picture")"
  cp "$top/docs/$picture" "$manual/pictures/$picture"
done
