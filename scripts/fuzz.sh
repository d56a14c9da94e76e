#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the sanitizers, and runs one of them:
#   scripts/fuzz.sh TARGET MINUTES     e.g. scripts/fuzz.sh collection 30
#   scripts/fuzz.sh --all SECONDS      every target for SECONDS each (scripts/test.sh: a short run)
# New inputs go to build-fuzz/found/TARGET; crashing inputs to build-fuzz/crashes/TARGET. Copy a
# crash into fuzz/corpus/TARGET once it is mended, so the ctest replay keeps it from coming back.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
targets=(collection shape page_layout settings bad_list word_file qzv old_data render help_page)

if [[ $# -ne 2 ]]; then
  echo "usage: $0 TARGET MINUTES | $0 --all SECONDS (targets: ${targets[*]})" >&2
  exit 2
fi

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQM_WITH_QT=OFF -DQM_BUILD_TESTS=OFF \
  -DQM_BUILD_BENCHMARKS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build "$build" -j "${QM_JOBS:-$(nproc)}" --target $(printf 'fuzz_%s ' "${targets[@]}")

run() {  # target seconds
  local found="$build/found/$1" crashes="$build/crashes/$1"
  mkdir -p "$found" "$crashes"
  # Collection records are 95,830 bytes: inputs must be allowed to hold a few of them.
  "$build/fuzz/fuzz_$1" -max_total_time="$2" -max_len=300000 -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="$crashes/" -print_final_stats=1 "$found" "$top/fuzz/corpus/$1"
}

if [[ $1 == --all ]]; then
  for target in "${targets[@]}"; do run "$target" "$2"; done
else
  run "$1" $(($2 * 60))
fi
