#!/usr/bin/env bash
# Writes docs/exports/: the first puzzle of the sample collection in every export format, as the
# command-line tool beside the program writes them, from a folder without settings (so the
# options are the program's defaults and the layout's) and with a fixed seed.
# Usage: docs/make_exports.sh [path/to/quillmaze-cli]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cli=$(realpath "${1:-$top/build-run/bin/quillmaze-cli}")
out="$top/docs/exports"
mkdir -p "$out"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for format in wmf emf bmp jpg png svg html txt; do
  (cd "$scratch" && "$cli" export "$(dirname "$cli")/SAMPLE.QZ3" 0 --answer-key --seed 1 \
      --format "$format" --out "$out/sample-puzzle.$format" > /dev/null)
done
