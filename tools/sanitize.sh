#!/bin/sh
# Builds a second tree with sanitizers and runs tests in it, as the presets of CMakePresets.json
# say (their options, and the sanitizers' settings in the test presets):
#   sh tools/sanitize.sh           AddressSanitizer and UndefinedBehaviorSanitizer in build-asan:
#                                  every test but the end-to-end ones
#   sh tools/sanitize.sh thread    ThreadSanitizer in build-tsan: the tests labelled threads
set -eu
cd "$(dirname "$0")/.."
case "${1:-address}" in
    address) preset=asan ;;
    thread) preset=tsan ;;
    *) echo "usage: sh tools/sanitize.sh [address|thread]" >&2; exit 2 ;;
esac
cmake --workflow --preset "$preset"
