#!/bin/sh
# Installs what is missing, checks the code's style, builds, and runs every
# test twice: once in a plain build, once in a debug build with the address
# and undefined-behaviour sanitizers, where any report fails the run and the
# checks of the number type's invariant are compiled in.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

# The code keeps the style of .clang-format; a file that strays fails the run.
find numbers display engine editor app resources io tests bench fuzz tools \
    -name '*.h' -o -name '*.cpp' | xargs clang-format --dry-run -Werror

# Quiet on success (the summary only), the whole log on failure.
run_tests() {
    (cd "$1" && ctest --output-on-failure -j"$(nproc)" >ctest.log 2>&1) || {
        cat "$1/ctest.log"
        exit 1
    }
    tail -n 3 "$1/ctest.log"
}

scripts/build.sh build -DLINEON_BENCH=ON -DLINEON_TESTS=ON -DLINEON_SANITIZE=OFF
run_tests build

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DLINEON_SANITIZE=ON -DLINEON_BENCH=OFF -DLINEON_TESTS=ON
run_tests build-asan
echo "All tests passed, plain and sanitized."
