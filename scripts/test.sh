#!/usr/bin/env bash
# The test command. Two builds:
#  - build-asan: clang, Debug, AddressSanitizer and UndefinedBehaviorSanitizer, with the tests
#    and the fuzz targets. CTest runs every test there headless: the unit tests on Qt's
#    offscreen platform, each fuzz target a few seconds over its seeds, the install and package
#    checks, and the end-to-end tests, which install the sanitized program into throw-away
#    folders and drive it on virtual displays of their own. Any sanitizer report fails a test,
#    leaks at the program's exit included.
#  - build-release: the hardened Release build of scripts/package.sh, with g++ and warnings as
#    errors; its .deb is checked as a distribution would check it.
# ccache, when installed, serves what an earlier run compiled, from any clone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
build=${LUNAVIK_ASAN_BUILD:-build-asan}
release=${LUNAVIK_RELEASE_BUILD:-build-release}

# Paths relative to the clone and no build folder in the hash, so that another clone's run
# (CI's fresh one, a second checkout) reuses the same objects.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}

# The Release build needs nothing from the other: it compiles at the lowest priority alongside,
# mostly while the tests wait on windows, X servers and the screen reader.
mkdir -p "$release"
# Job control gives it a process group of its own (setsid would make a new session, which the
# kernel's autogroup scheduling then weighs as a peer, whatever its nice value), so a failure
# here stops that build too.
set -m
nice -n 19 bash scripts/package.sh -DLUNAVIK_WERROR=ON >"$release/test-build.log" 2>&1 &
release_pid=$!
set +m
trap 'kill -- "-$release_pid" 2>/dev/null || true' EXIT

export QT_QPA_PLATFORM=offscreen
# The sanitizers' settings and leak suppressions are built into each executable
# (tests/sanitize/sanitizer_defaults.cpp); ASAN_OPTIONS and the like may still add to them.
# The end-to-end tests also look for sanitizer reports in the output of the program they drive.
export LUNAVIK_E2E_SANITIZED=1
linker=()
command -v ld.lld >/dev/null && linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${linker[@]}" \
    -DLUNAVIK_SANITIZE=ON -DLUNAVIK_FUZZ=ON -DLUNAVIK_BUILD_TESTS=ON -DLUNAVIK_WERROR=ON >/dev/null
cmake --build "$build"
tests=0
ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(nproc)" || tests=$?

if ! wait "$release_pid"; then
    cat "$release/test-build.log" >&2
    echo "The Release build of the package failed." >&2
    exit 1
fi
trap - EXIT
[ "$tests" -eq 0 ] || exit "$tests"
# lintian, the hardening of the installed executable, and, as root, installing, starting and
# removing the package.
PYTHONPATH=tests/e2e python3 tests/install/check_release_package.py "$release" \
    "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$release/CMakeCache.txt")"
