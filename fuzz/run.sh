#!/usr/bin/env bash
# Builds every libFuzzer target of fuzz/ with clang and runs each for the given number of
# seconds (default 10) over its committed seed corpus. New inputs the fuzzer finds go to
# build-fuzz/corpus/<target>/, never into the committed corpus; a crash, leak or timeout
# leaves its input in build-fuzz/findings/ and makes this script fail.
#   fuzz/run.sh [seconds] [extra libFuzzer options...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
shift || true
source scripts/deps.sh
install_missing_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

build=build-fuzz
cmake -S . -B "$build" -DZBIRNIK_FUZZ=ON -DZBIRNIK_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j2 --target zbirnik_fuzzers

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/findings"
status=0
for executable in "$build"/fuzz/fuzz_*; do
    [ -f "$executable" ] && [ -x "$executable" ] || continue
    target="$(basename "$executable")"
    target="${target#fuzz_}"
    mkdir -p "$build/corpus/$target"
    echo "== $target: ${seconds}s"
    if ! "$executable" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/findings/$target-" -print_final_stats=1 "$@" \
        "$build/corpus/$target" "fuzz/corpus/$target" 2>"$build/findings/$target.log"; then
        tail -n 60 "$build/findings/$target.log" >&2
        status=1
    else
        grep -E '^(stat::number_of_executed_units|Done )' "$build/findings/$target.log" || true
    fi
done
exit $status
