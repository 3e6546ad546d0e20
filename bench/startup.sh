#!/usr/bin/env bash
# Start-up benchmark: time from process start to the main window being mapped, and peak
# memory, for Lunavik against the same window written by hand in plain Qt (same_shape.cpp) and
# the floor (the smallest Qt Widgets program with a window), started alternately on one virtual
# X server. Prints every run, the medians and the ratios against both.
# Usage: bench/startup.sh [--windows] [runs of each, default 15]
# LUNAVIK_BENCH_BEFORE=path/to/another/lunavik adds that build to the alternation, as "before".
# --windows times the Windows programs of scripts/windows.sh's build under Wine instead, in that
# build's Wine prefix, with one Wine server kept running for all starts as a Windows session is.
set -euo pipefail
cd "$(dirname "$0")/.."
windows=""
[ "${1:-}" = --windows ] && { windows=1; shift; }
runs=${1:-15}
build=${LUNAVIK_BENCH_BUILD:-build-bench}
run=()

if [ -n "$windows" ]; then
    build=${LUNAVIK_WINDOWS_BUILD:-build-windows}
    [ -f "$build/wine-path.txt" ] || { echo "Run scripts/windows.sh first." >&2; exit 1; }
    export WINEPREFIX="$PWD/$build/wine" WINEDEBUG=-all WINEPATH
    WINEPATH=$(cat "$build/wine-path.txt")
    wineserver -p
    run=(wine)
    lunavik="$build/src/app/Lunavik.exe" same="$build/bench/lunavik_same_shape.exe"
    floor="$build/bench/lunavik_floor.exe"
else
    # Both built the way scripts/run.sh builds the program, in a directory of their own so the
    # option does not stick to the ordinary build.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUNAVIK_BUILD_TESTS=OFF \
        -DLUNAVIK_BENCH=ON >/dev/null
    cmake --build "$build" --target lunavik lunavik_same_shape lunavik_floor >/dev/null
    lunavik="$build/src/app/lunavik" same="$build/bench/lunavik_same_shape"
    floor="$build/bench/lunavik_floor"
fi

# startup_watch.py gives the programs a throw-away home of their own.
unset QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

source scripts/xvfb.sh
xvfb_pid=""
trap 'kill $xvfb_pid 2>/dev/null || true; [ -z "$windows" ] || wineserver -k 2>/dev/null || true' \
    EXIT INT TERM
start_xvfb 1280x1024x24

# A session bus of its own, as on a desktop: without one every start would autolaunch a bus
# daemon (and leave it behind once killed), which is no part of either program's start-up.
# The bus daemon's notice that it could not raise its open-file limit is noise here.
# The caption carries the version the program was built with ("Lunavik 1.70" -> "Lunavik v1.70").
caption=$("${run[@]}" "$lunavik" --version | tr -d '\r' | sed 's/ / v/')
before=()
if [ -n "${LUNAVIK_BENCH_BEFORE:-}" ]; then
    before=("before=$caption=$(realpath "$LUNAVIK_BENCH_BEFORE")")
fi
PYTHONPATH=tests/e2e dbus-run-session -- python3 bench/startup_watch.py "$runs" "${before[@]}" \
    "lunavik=$caption=${run[*]} $PWD/$lunavik" "same=$caption=${run[*]} $PWD/$same" \
    "floor=Lunavik floor=${run[*]} $PWD/$floor" \
    2> >(grep -v 'Failed to set fd limit' >&2)
