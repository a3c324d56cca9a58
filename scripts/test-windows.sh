#!/usr/bin/env bash
# Cross-builds the calculation and its tests for 64-bit Windows with MinGW-w64, runs
# them under Wine, and checks the Windows resource script.
#   scripts/test-windows.sh [build-folder]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${1:-build-windows}
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMARVOLEN_BUILD_UI=OFF -DMARVOLEN_BUILD_BENCH=OFF -DMARVOLEN_WERROR=ON \
  -DMARVOLEN_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$build" -j "$(nproc)"
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all
(cd "$build" && ctest --output-on-failure)
python3 scripts/check-windows-resource.py
