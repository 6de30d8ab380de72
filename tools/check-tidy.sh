#!/bin/sh
# Runs clang-tidy with the repository's .clang-tidy over the compile commands of a built tree
# (build, or SORNA_TIDY_BUILD), whose Qt sources are generated:
#   sh tools/check-tidy.sh        the C++ files changed since the base tools/changed-sources.sh
#                                 takes (SORNA_CHECK_BASE, or the last commit's parent)
#   sh tools/check-tidy.sh all    every source of the tree the build compiles (a quarter of an
#                                 hour of both cores)
set -eu
cd "$(dirname "$0")/.."
build=${SORNA_TIDY_BUILD:-build}
if [ "${1:-changed}" = all ]; then
    exec run-clang-tidy-14 -j 2 -quiet -p "$build" "^$(pwd)/(?!build)"
fi
changed=$(sh tools/changed-sources.sh)
if [ -z "$changed" ]; then
    echo "check-tidy: no C++ file changed"
    exit 0
fi
# A header has no compile command of its own: it is checked within the sources that include it
# (includes name headers from the tree's root).
sources=$({
    echo "$changed" | grep '\.cpp$' || true
    for header in $(echo "$changed" | grep '\.h$' || true); do
        git grep -l -F "#include \"$header\"" -- '*.cpp' || true
    done
} | sort -u)
if [ -z "$sources" ]; then
    echo "check-tidy: no source includes the headers changed"
    exit 0
fi
if ! echo "$sources" | tr '\n' '\0' | xargs -0 -n 1 -P 2 clang-tidy-14 -p "$build" --quiet; then
    echo "check-tidy: fix what clang-tidy found above, or say with NOLINT(check) why not" >&2
    exit 1
fi
echo "check-tidy: the $(echo "$changed" | wc -l) C++ files changed are clean, checked within" \
    "$(echo "$sources" | wc -l) sources"
