#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, replays the seed corpus, then fuzzes each
# target for SECONDS seconds (30 unless given). New inputs go to a scratch folder,
# so the corpus in the repository stays as it is; a crash is written to the build folder.
#   scripts/fuzz.sh [seconds] [build-folder]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-30}
build=${2:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOLEN_BUILD_FUZZ=ON \
  -DMARVOLEN_BUILD_UI=OFF -DMARVOLEN_BUILD_TESTS=OFF -DMARVOLEN_BUILD_BENCH=OFF -DMARVOLEN_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
for target in parse calculate; do
  fuzzer="$build/tests/fuzz/${target}_fuzzer"
  corpus="tests/fuzz/corpus/$target"
  "$fuzzer" -runs=0 "$corpus" 2>"$build/$target-replay.log" || { cat "$build/$target-replay.log" >&2; exit 1; }
  scratch=$(mktemp -d)
  if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/$target-" \
       "$scratch" "$corpus" 2>"$build/$target-fuzz.log"; then
    tail -n 40 "$build/$target-fuzz.log" >&2
    exit 1
  fi
  rm -rf "$scratch"
  awk -v t="$target" '/stat::number_of_executed_units/ { runs = $2 } /stat::average_exec_per_sec/ { rate = $2 }
    END { printf "fuzz %s: %d runs, %d per second, no failure\n", t, runs, rate }' "$build/$target-fuzz.log"
done
