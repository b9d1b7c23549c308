#!/bin/sh
# Builds the fuzz targets with clang and runs each for a bounded time.
# Usage: fuzz/run.sh [seconds per target]   (default 60)
# Crashing inputs are kept in fuzz/findings/<target>/.
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DLINEON_FUZZ=ON -DLINEON_TESTS=OFF \
    -DLINEON_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_matrixfile fuzz_celltext fuzz_reelstream fuzz_settings >/dev/null
for target in fuzz_matrixfile fuzz_celltext fuzz_reelstream fuzz_settings; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus" "fuzz/findings/$target"
    cp fuzz/corpus/$target/* "$corpus"/ 2>/dev/null || true
    echo "== $target, $seconds s"
    ./build-fuzz/fuzz/$target "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="fuzz/findings/$target/" 2>&1 | grep -E "stat::number_of_executed_units|ERROR|SUMMARY" || true
done
