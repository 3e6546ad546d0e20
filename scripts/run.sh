#!/usr/bin/env bash
# Builds Lunavik and starts it. Without a display it starts a virtual X server instead, saves a
# screenshot of the main window and keeps the program running until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
build=${LUNAVIK_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUNAVIK_BUILD_TESTS=OFF \
    >/dev/null
cmake --build "$build" --target lunavik

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "./$build/src/app/lunavik"
fi

echo "No display found: starting Lunavik on a virtual X server (Xvfb)."
source scripts/xvfb.sh
app="" xvfb_pid=""
trap 'kill $app "$xvfb_pid" 2>/dev/null || true' EXIT INT TERM
start_xvfb 1024x768x24
# The main window's caption carries the version the program was built with.
caption=$("./$build/src/app/lunavik" --version | sed 's/ / v/')
"./$build/src/app/lunavik" &
app=$!
shot="$PWD/$build/lunavik-main-window.png"
for _ in $(seq 100); do
    xdotool search --name "^${caption//./\\.}\$" >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 0.5
import -window root "$shot"
echo "Screenshot of the main window: $shot"
echo "Lunavik is running on $DISPLAY; press Ctrl+C to stop it."
wait "$app"
