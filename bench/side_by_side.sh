#!/bin/sh
# Times the fastest peer beside our generator on W1, W2 and W3 and prints the ratios, with the
# check that both readings of the generator give identical candidates in the same run.
# Usage: bench/side_by_side.sh [release build folder]; needs node and npm.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-release}
peer=$(mktemp -d)
trap 'rm -rf "$peer"' EXIT
trap 'exit 1' INT TERM
# shared/ is read-only: the peer is installed in a copy.
cp -r "$root/../shared/bench/peer/." "$peer"
(cd "$peer" && npm ci --silent --ignore-scripts)
QM_PEER_DIR="$peer" "$build/bench/bench_generate" --benchmark_filter='SideBySide|IdenticalCandidates' \
    --benchmark_counters_tabular=true
