#!/usr/bin/env bash
# Takes the screenshots of the main window in docs/ from the real program: the sample
# collection in a scratch working folder, once at each screen size, on a virtual X screen.
# The page layout list is taken by its window test, offscreen, from the build of scripts/test.sh.
# Usage: docs/make_screenshots.sh [path/to/quillmaze] [test build folder]   (needs xvfb-run and ImageMagick)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build-run/bin/quillmaze}

shoot() {  # window size, output picture
  local home
  home=$(mktemp -d)
  cp "$(dirname "$program")/SAMPLE.QZ3" "$home/"
  printf '[Misc]\r\nLast Group=%s/SAMPLE.QZ3\r\nWindow Size=%s\r\nShow Tips=No\r\n' "$home" "$1" > "$home/QMAZE3.INI"
  (cd "$home" && xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
      "$0" & pid=$!
      sleep 4
      import -window root "$1"
      kill $pid' "$program" "$home/screen.png")
  convert "$home/screen.png" -trim +repage "$2"
  rm -rf "$home"
}

shoot 640 "$top/docs/main_window_640x480.png"
shoot 1024 "$top/docs/main_window_1024x768.png"

# The page layout list and the extract window, from the layout window tests of the same build.
tests=${2:-$top/build-test}/tests
QM_SCREENSHOT_DIR="$top/docs" QT_QPA_PLATFORM=offscreen "$tests/layout/test_layout_ui" \
  --gtest_filter='TListPagesTest.Screenshots'

# The word list editor, the candidate chooser, the enlarged view and the hidden-phrase dialog.
QM_SCREENSHOT_DIR="$top/docs" QT_QPA_PLATFORM=offscreen "$tests/generate/test_generate_windows" \
  --gtest_filter='*Screenshots'
