#!/bin/sh
# The whole process, as a user meets it: from starting the reader to its first page of a 100 MiB
# Korean book, in code page 949 and in UTF-8, that it reopens as the most recent file, on a
# virtual display; beside
# iconv converting the same file as a process of its own (the peer a shell user has), and `cat`
# reading it (the limit: the bytes from a warm page cache).
#   sh bench/startup.sh [build folder] [runs]
# Needs Xvfb, xdotool and GNU time (Debian: xvfb, xdotool, time).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
corpus=$(sed -n 's/^SORNA_CORPUS_DIR:PATH=//p' "$build/CMakeCache.txt")
scratch=$(mktemp -d)
display=:97
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
Xvfb $display -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!

# A book of 100 MiB or a little more: one Korean text over and over, whole, as the decode
# benchmark makes it; the reader reopens it as its most recent file.
make_book() {
    book=$scratch/$1
    while [ "$(stat -c %s "$book" 2>/dev/null || echo 0)" -lt 104857600 ]; do
        cat "$corpus/$2" >>"$book"
    done
    mkdir -p "$scratch/config/sorna" "$scratch/runtime"
    chmod 700 "$scratch/runtime"
    printf 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]\n"nRecentFileCount"=dword:00000001\n"RFNAME00"="%s"\n"RFPOS00"=dword:00000000\n' \
        "$book" >"$scratch/config/sorna/user.reg"
    cat "$book" >/dev/null  # warm the page cache for every run alike
}

now() { date +%s.%N; }
seconds() { echo "$2 - $1" | bc; }

first_page() {
    start=$(now)
    DISPLAY=$display XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime \
        QT_QPA_PLATFORM=xcb /usr/bin/time -f '%M' -o "$scratch/rss" "$build/app/sorna" &
    reader=$!
    # The caption names the book once its first page is laid out and painted.
    until DISPLAY=$display xdotool search --name "^$(basename "$book") - " >/dev/null 2>&1; do
        sleep 0.005  # fixed wait: the poll's period
    done
    shown=$(now)
    pkill -P "$reader"  # the reader, so that time(1) writes its figure
    wait "$reader" 2>/dev/null || true
    echo "$(seconds "$start" "$shown") s to the first page, peak $(tail -n 1 "$scratch/rss") KiB"
}

timed() {
    start=$(now)
    "$@" >/dev/null
    echo "$(seconds "$start" "$(now)") s"
}

until DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
for kind in "cp949.txt ko-cp949-bible-krv-large.txt CP949" "utf8.txt ko-utf8-novel-02.txt UTF-8"; do
    set -- $kind
    make_book "$1" "$2"
    echo "== $3, $(stat -c %s "$book") bytes"
    for run in $(seq "$runs"); do
        echo "run $run: reader $(first_page); iconv $(timed iconv -f "$3" -t UTF-16LE "$book");" \
            "cat $(timed cat "$book")"
    done
done
