#!/bin/sh
# Prints the C++ files (.cpp, .h) that differ from a base commit, one a line: from the commit
# SORNA_CHECK_BASE names, or else from the last commit's parent, so that on a fresh clone they are
# what the last commit (a merge: its branch) changed. Uncommitted changes count, deleted files do
# not. Prints nothing when the last commit has no parent here.
set -eu
cd "$(dirname "$0")/.."
base=${SORNA_CHECK_BASE:-HEAD~1}
if ! git rev-parse --verify --quiet "$base^{commit}" >/dev/null; then
    if [ -n "${SORNA_CHECK_BASE:-}" ]; then
        echo "changed-sources: no commit $base to compare with" >&2
        exit 2
    fi
    echo "changed-sources: the last commit has no parent here; nothing to compare with" >&2
    exit 0
fi
git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h'
