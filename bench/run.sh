#!/bin/sh
# Runs every benchmark program of the build tree.
set -eu
cd "$(dirname "$0")/.."
[ -d build/bench ] || { cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; }
cmake --build build -j2
for program in build/bench/bench_*; do
    [ -x "$program" ] || continue
    echo "== $program"
    "$program"
done
