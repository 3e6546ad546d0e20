#!/usr/bin/env bash
# Start-up benchmark: time from process start to the main window being mapped, and peak
# memory, for Lunavik against the same window written by hand in plain Qt (same_shape.cpp) and
# the floor (the smallest Qt Widgets program with a window), started alternately on one virtual
# X server. Prints every run, the medians and the ratios against both.
# Usage: bench/startup.sh [runs of each, default 15]
# LUNAVIK_BENCH_BEFORE=path/to/another/lunavik adds that build to the alternation, as "before".
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${LUNAVIK_BENCH_BUILD:-build-bench}

# Both built the way scripts/run.sh builds the program, in a directory of their own so the
# option does not stick to the ordinary build.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUNAVIK_BUILD_TESTS=OFF \
    -DLUNAVIK_BENCH=ON >/dev/null
cmake --build "$build" --target lunavik lunavik_same_shape lunavik_floor >/dev/null

# startup_watch.py gives the programs a throw-away home of their own.
unset QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

source scripts/xvfb.sh
xvfb_pid=""
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT INT TERM
start_xvfb 1280x1024x24

# A session bus of its own, as on a desktop: without one every start would autolaunch a bus
# daemon (and leave it behind once killed), which is no part of either program's start-up.
# The bus daemon's notice that it could not raise its open-file limit is noise here.
# The caption carries the version the program was built with ("Lunavik 1.70" -> "Lunavik v1.70").
caption=$("$build/src/app/lunavik" --version | sed 's/ / v/')
before=()
if [ -n "${LUNAVIK_BENCH_BEFORE:-}" ]; then
    before=("before=$caption=$(realpath "$LUNAVIK_BENCH_BEFORE")")
fi
PYTHONPATH=tests/e2e dbus-run-session -- python3 bench/startup_watch.py "$runs" "${before[@]}" \
    "lunavik=$caption=$PWD/$build/src/app/lunavik" \
    "same=$caption=$PWD/$build/bench/lunavik_same_shape" \
    "floor=Lunavik floor=$PWD/$build/bench/lunavik_floor" \
    2> >(grep -v 'Failed to set fd limit' >&2)
