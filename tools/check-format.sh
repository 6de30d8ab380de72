#!/bin/sh
# Checks the C++ files changed since the base tools/changed-sources.sh takes (SORNA_CHECK_BASE, or
# the last commit's parent) against the repository's .clang-format, and prints what clang-format
# would change.
set -eu
cd "$(dirname "$0")/.."
changed=$(sh tools/changed-sources.sh)
if [ -z "$changed" ]; then
    echo "check-format: no C++ file changed"
    exit 0
fi
if ! echo "$changed" | tr '\n' '\0' | xargs -0 clang-format-14 --style=file --dry-run --Werror; then
    echo "check-format: run clang-format-14 -i on the files above" >&2
    exit 1
fi
echo "check-format: the $(echo "$changed" | wc -l) C++ files changed are formatted"
