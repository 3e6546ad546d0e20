#!/usr/bin/env bash
# Installs what building, running, testing and packaging Lunavik needs on Debian; skips what is
# already there.
set -euo pipefail
packages=(
    # build
    cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
    clang libclang-rt-14-dev
    # a virtual display for running and for the end-to-end test
    xvfb xauth x11-apps x11-utils imagemagick xdotool fonts-dejavu-core fonts-liberation2
    # reading the windows through the accessibility bus in the end-to-end test
    python3 python3-pyatspi at-spi2-core dbus-daemon dbus-x11
    # the screen reader the end-to-end test listens to (it records speech without a synthesizer)
    orca
    # checking the desktop entry and AppStream metadata, building the .deb
    desktop-file-utils appstream dpkg-dev file
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
