#!/usr/bin/env bash
# Builds the Debian package from a Release build of its own (build-release), with the hardening
# flags, and prints the path of the .deb. Extra arguments go to CMake's configure step, for
# example -DLUNAVIK_UPDATE_REMINDER=OFF or -DLUNAVIK_SITE_BASE=https://....
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh package
build=${LUNAVIK_RELEASE_BUILD:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUNAVIK_BUILD_TESTS=OFF "$@" >/dev/null
# Only the program: cpack builds nothing itself, and the tools and tests are not shipped.
cmake --build "$build" --target lunavik
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/*.deb
