#!/bin/sh
# Builds every fuzz target with clang-14, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz (the fuzz preset of CMakePresets.json) and runs each for about a minute over seeds
# copied from the test documents (the EPUB reader's from the test books built from them).
#   SORNA_FUZZ_SECONDS   how long each target runs (default 60)
#   SORNA_CORPUS_DIR     the documents to start from (default corpus)
#   SORNA_FUZZ_TARGETS   the targets to build and run (default all, as fuzz_decode_document ...)
set -eu
cd "$(dirname "$0")/.."
seconds=${SORNA_FUZZ_SECONDS:-60}
documents=${SORNA_CORPUS_DIR:-$(pwd)/corpus}

cmake --preset fuzz
targets=${SORNA_FUZZ_TARGETS:-$(ninja -C build-fuzz -t targets all |
    sed -n 's/^fuzz\/\(fuzz_[A-Za-z0-9_]*\): CXX_EXECUTABLE_LINKER.*/\1/p')}
cmake --build --preset fuzz --target $targets

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in $targets; do
    seeds=fuzz-corpus/$target
    mkdir -p "$seeds"
    longest=16384
    if [ "$target" = fuzz_epub_reader ]; then
        # Whole zip archives: the test books small enough to take apart.
        python3 tests/support/MakeBooks.py "$documents" build-fuzz/books
        find build-fuzz/books -type f -size -64k -exec cp {} "$seeds"/ \;
        longest=65536
    elif [ -d "$documents" ]; then
        cp "$documents"/* "$seeds"/
    fi
    echo "== $target"
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -max_len="$longest" \
        -artifact_prefix="build-fuzz/$target-" "$seeds"
done
