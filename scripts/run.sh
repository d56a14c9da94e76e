#!/usr/bin/env bash
# Installs what is missing, builds Quillmaze 98 and starts it in the working folder
# ~/Quillmaze (QUILLMAZE_HOME overrides it), created on first start with the sample collection.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-run" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCHMARKS=OFF
cmake --build "$top/build-run" --target quillmaze quillmaze-cli qm_program_data

home=${QUILLMAZE_HOME:-$HOME/Quillmaze}
mkdir -p "$home"
if [ ! -e "$home/SAMPLE.QZ3" ]; then
  cp "$top/build-run/bin/SAMPLE.QZ3" "$home/SAMPLE.QZ3"
fi
cd "$home"
exec "$top/build-run/bin/quillmaze" "$@"
