#!/bin/sh
# Runs every benchmark program of the build tree, one after another.
set -eu
cd "$(dirname "$0")/.."
[ -d build/bench ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
for program in build/bench/bench_*; do
    # The glob also matches the build's own folders; only regular executable files are programs.
    [ -f "$program" ] && [ -x "$program" ] || continue
    # startup.sh's own programs: the bare window (its floor) and the ballast never end on their
    # own, and the caption timer needs a program to start.
    case ${program##*/} in bench_bare_window | bench_first_caption | bench_memory_ballast) continue ;; esac
    echo "== $program"
    "$program"
done
