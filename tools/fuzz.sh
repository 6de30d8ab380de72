#!/bin/sh
# Builds every fuzz target with clang-14, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz and runs each for about a minute over seeds copied from the test documents.
#   SORNA_FUZZ_SECONDS   how long each target runs (default 60)
#   SORNA_CORPUS_DIR     the documents to start from (default corpus)
set -eu
cd "$(dirname "$0")/.."
seconds=${SORNA_FUZZ_SECONDS:-60}
documents=${SORNA_CORPUS_DIR:-$(pwd)/corpus}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DSORNA_FUZZ=ON -DSORNA_TESTS=OFF -DSORNA_BENCH=OFF -DSORNA_WERROR=ON
targets=$(ninja -C build-fuzz -t targets all | sed -n 's/^fuzz\/\(fuzz_[A-Za-z0-9_]*\): CXX_EXECUTABLE_LINKER.*/\1/p')
cmake --build build-fuzz -j2 --target $targets

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in $targets; do
    seeds=fuzz-corpus/$target
    mkdir -p "$seeds"
    if [ -d "$documents" ]; then
        cp "$documents"/* "$seeds"/
    fi
    echo "== $target"
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=16384 \
        -artifact_prefix="build-fuzz/$target-" "$seeds"
done
