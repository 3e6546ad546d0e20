#!/usr/bin/env bash
# Builds Lunavik and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in a build
# directory of their own (build-asan) and runs the tests there, headless. Any report fails the
# run. Tests labelled e2e or install start the real program or install it; they stay with the
# ordinary build, except one end-to-end run of the sanitized program, which ends through its own
# exit path so that leaks of a real session are reported too.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
build=${LUNAVIK_ASAN_BUILD:-build-asan}

export QT_QPA_PLATFORM=offscreen
# Set before building too: test discovery runs every test executable once at build time.
# Leak checking stays on; what Qt and the font and graphics libraries keep for the life of
# the process and never free is listed in the suppressions file, nothing of ours.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUNAVIK_SANITIZE=ON \
    -DLUNAVIK_BUILD_TESTS=ON -DLUNAVIK_WERROR=ON >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -LE 'e2e|install'
LUNAVIK_E2E_SANITIZED=1 ctest --test-dir "$build" --output-on-failure -R '^e2e_installed_program$'
