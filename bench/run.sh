#!/bin/sh
# Runs every benchmark program of the build tree, one after another.
set -eu
cd "$(dirname "$0")/.."
[ -d build/bench ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
for program in build/bench/bench_*; do
    # The glob also matches the build's own folders; only regular executable files are programs.
    [ -f "$program" ] && [ -x "$program" ] || continue
    # The bare window is the floor that startup.sh measures; on its own it never ends.
    [ "${program##*/}" != bench_bare_window ] || continue
    echo "== $program"
    "$program"
done
