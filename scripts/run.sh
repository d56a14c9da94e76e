#!/usr/bin/env bash
# Installs what is missing, builds Quillmaze 98 and starts it. The program itself works in the
# folder ~/Quillmaze (QUILLMAZE_HOME overrides it), which it creates on its first start with
# the sample collection.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build-run" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCHMARKS=OFF
cmake --build "$top/build-run" --target quillmaze quillmaze-cli qm_program_data

exec "$top/build-run/bin/quillmaze" "$@"
