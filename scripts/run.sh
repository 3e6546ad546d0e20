#!/usr/bin/env bash
# Builds Lunavik and starts it. Without a display it starts a virtual X server instead, saves a
# screenshot of the main window and keeps the program running until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUNAVIK_BUILD_TESTS=OFF >/dev/null
cmake --build build --target lunavik

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec ./build/src/app/lunavik
fi

echo "No display found: starting Lunavik on a virtual X server (Xvfb)."
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true' EXIT INT TERM
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
./build/src/app/lunavik &
app=$!
shot="$PWD/build/lunavik-main-window.png"
for _ in $(seq 100); do
    xdotool search --name '^Lunavik v1\.70$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 0.5
import -window root "$shot"
echo "Screenshot of the main window: $shot"
echo "Lunavik is running on $display; press Ctrl+C to stop it."
wait "$app"
