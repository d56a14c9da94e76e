#!/usr/bin/env bash
# Writes docs/play/: the sample collection as web puzzles, pictures of a page half solved at a
# desktop and a phone width and of the collection's index, and the size, load and first-paint
# times of the page of a 330-word puzzle, all in headless Chromium without network.
# Usage: docs/make_play_pages.sh [path/to/quillmaze-cli]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cli=$(realpath "${1:-$top/build-run/bin/quillmaze-cli}")
NODE_PATH="$top/tests/web/node_modules" exec node "$top/docs/play/make_play_pages.mjs" "$cli" "$top/docs/play" \
  "${QM_BENCH_WORDS:-$top/bench/data/W3-330-words.txt}"
