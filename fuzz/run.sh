#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them side by side for a bounded time.
# Usage: fuzz/run.sh [seconds each, default 60] [target ...]   (default: all of them)
# Each target grows its own corpus under build-fuzz/fuzz-corpus/<target>, seeded from
# fuzz/corpus/<target>, so the seeds in the tree stay a handful of readable files; a failing
# input lands in build-fuzz/fuzz-artifacts/<target>/. Exits non-zero if any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_name fuzz_setting fuzz_settings_file fuzz_referral)
build=${LUNAVIK_FUZZ_BUILD:-build-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUNAVIK_FUZZ=ON -DLUNAVIK_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# Stop at the first report so the input that caused it is the one saved.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:symbolize=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

declare -A pids
for t in "${targets[@]}"; do
    corpus="$build/fuzz-corpus/$t"
    artifacts="$build/fuzz-artifacts/$t"
    mkdir -p "$corpus" "$artifacts"
    echo "Fuzzing $t for ${seconds}s (log: $build/fuzz-$t.log)"
    # -timeout: one input taking 10 s is a hang worth keeping, not a slow machine.
    "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$corpus" "fuzz/corpus/$t" >"$build/fuzz-$t.log" 2>&1 &
    pids[$t]=$!
done

failed=0
for t in "${targets[@]}"; do
    if wait "${pids[$t]}"; then
        runs=$(grep -m1 '^stat::number_of_executed_units' "$build/fuzz-$t.log" | awk '{print $2}')
        cov=$(grep -E '^#[0-9]+' "$build/fuzz-$t.log" | tail -1 | grep -o 'cov: [0-9]*' || true)
        echo "$t: clean, ${runs:-?} inputs, ${cov:-cov: ?}, corpus $(ls "$build/fuzz-corpus/$t" | wc -l) files"
    else
        failed=1
        echo "$t: FAILED, see $build/fuzz-$t.log and $build/fuzz-artifacts/$t/" >&2
        grep -E 'check failed|ERROR: |SUMMARY: |runtime error' "$build/fuzz-$t.log" | head -5 >&2 || true
    fi
done
exit "$failed"
