#!/usr/bin/env bash
# Next and Back with a huge first name through the real program, on the accessibility bus; see
# bench/huge_name.py. Builds the program as bench/startup.sh does.
# Usage: bench/huge_name.sh [cycles, default 5 [characters, default 1000000]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LUNAVIK_BENCH_BUILD:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUNAVIK_BUILD_TESTS=OFF \
    -DLUNAVIK_BENCH=ON >/dev/null
cmake --build "$build" --target lunavik >/dev/null
# The accessibility bindings come with the system's Python.
exec /usr/bin/python3 bench/huge_name.py "$build/src/app/lunavik" "$@"
