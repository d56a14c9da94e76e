#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test. The core and its tests are built a second time with Qt switched off, so
# the core cannot come to need Qt. Last, every fuzz target runs for a short while (libFuzzer, clang).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/scripts/install-deps.sh"

cmake -S "$top" -B "$top/build-core" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_SANITIZE=ON \
  -DQM_WITH_QT=OFF -DQM_BUILD_BENCHMARKS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
cmake --build "$top/build-core" -j "$(nproc)"

cmake -S "$top" -B "$top/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_SANITIZE=ON
cmake --build "$top/build-test" -j "$(nproc)"
cd "$top/build-test"
ctest --output-on-failure -j "$(nproc)"

# Ten targets of 15 seconds each keep the fuzz run under three minutes.
"$top/scripts/fuzz.sh" --all 15
