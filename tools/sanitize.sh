#!/bin/sh
# Builds a second tree with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test in it.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSORNA_SANITIZE=ON -DSORNA_BENCH=OFF \
    -DSORNA_WERROR=ON
cmake --build build-asan -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/tools/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The end-to-end suite drives the installed release build; it runs in the test command already.
ctest --test-dir build-asan --output-on-failure -j2 -LE e2e
