#!/usr/bin/env bash
# Builds Lunavik and runs every test headless through CTest: the unit tests on Qt's offscreen
# platform; the install, package and end-to-end tests, which install the build into throw-away
# folders, and the end-to-end test on a virtual X server of its own. Then the sanitizer run,
# and the Release package checked as a distribution would check it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen
# Tests switched on explicitly: run.sh configures the same folder without them.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUNAVIK_BUILD_TESTS=ON -DLUNAVIK_WERROR=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error -j "$(nproc)"
# The same unit tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
bash scripts/sanitize.sh
# The .deb of a hardened Release build (build-release): lintian, the hardening of the installed
# executable, and, as root, installing, starting and removing it.
bash scripts/package.sh
python3 tests/install/check_release_package.py build-release \
    "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)"
