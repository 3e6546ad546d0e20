#!/usr/bin/env bash
# Builds Lunavik and runs every test headless through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
