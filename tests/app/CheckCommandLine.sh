#!/bin/sh
# Starts the reader from a terminal without a display: --help and --version answer and end with 0,
# leaving the settings and the running reader's channel alone; an option it does not know ends
# the start with 2 (on the offscreen platform: Qt takes its own options off the line first).
#   CheckCommandLine.sh PROGRAM VERSION SCRATCH
set -eu
program=$1
version=$2
scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch/config" "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
export LC_ALL=C.UTF-8
out=$scratch/out
err=$scratch/err

fail() { echo "FAIL: $*"; exit 1; }
# ends CODE ARGUMENT...: the program, given the arguments, ends in time with CODE.
ends() {
    expected=$1
    shift
    code=0
    timeout 30 "$program" "$@" >"$out" 2>"$err" || code=$?
    [ "$code" = "$expected" ] || fail "$* ended with $code, not $expected: $(cat "$err")"
}

for help in --help -h; do
    ends 0 "$help"
    head -n 1 "$out" | grep -q 'sorna \[.*\] \[파일\]$' || fail "$help gives no usage: $(cat "$out")"
    grep -q -- '-h, --help' "$out" && grep -q -- '-v, --version' "$out" ||
        fail "$help does not list the options"
    [ ! -s "$err" ] || fail "$help complains: $(cat "$err")"
done
for version_option in --version -v; do
    ends 0 "$version_option"
    [ "$(cat "$out")" = "Sorna $version" ] || fail "$version_option says $(cat "$out")"
done

QT_QPA_PLATFORM=offscreen ends 2 --no-such-option book.txt
grep -q -- 'no-such-option' "$err" && grep -q '\[파일\]$' "$err" ||
    fail "an unknown option is not named with the usage: $(cat "$err")"
[ ! -s "$out" ] || fail "an unknown option writes to standard output"

left=$(find "$scratch/config" "$scratch/runtime" -mindepth 1)
[ -z "$left" ] || fail "settings or the channel touched: $left"
echo "command line: 1 passed, 0 failed"
