#!/bin/sh
# Builds a second tree with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs
# every test in it but the end-to-end ones, as the asan presets of CMakePresets.json say (the
# options, and the sanitizers' settings in the test preset).
set -eu
cd "$(dirname "$0")/.."
cmake --workflow --preset asan
