#!/bin/sh
# Remakes the pictures of the reader in docs/ from a build, on a virtual display of its own.
#   sh tools/screenshots.sh [build folder]     (the build folder defaults to build)
# Needs what the tests need: Xvfb, openbox, xdotool, dbus and python3-xlib (tools/setup.sh test).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
corpus=$(sed -n 's/^SORNA_CORPUS_DIR:PATH=//p' "$build/CMakeCache.txt")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
/usr/bin/python3 tools/TakeScreenshots.py --binary "$prefix/bin/sorna" --corpus "$corpus" \
    --output docs
