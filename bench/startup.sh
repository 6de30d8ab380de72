#!/bin/sh
# The whole process, as a user meets it: from starting the reader to its first page of a 100 MiB
# Korean book, in code page 949 and in UTF-8, that it reopens as the most recent file, on a
# virtual display. In the same runs, one after another:
#   the floor, bench_bare_window: the simplest Qt program that shows a line of text, started and
#   waited for exactly as the reader is;
#   iconv converting the same file to UTF-16 as a process of its own (the peer a shell user has;
#   it writes into 4 KiB pages, where the reader asks for huge pages);
#   cat reading it (the limit: the bytes from a warm page cache).
#   sh bench/startup.sh [build folder] [runs]
# Needs Xvfb, xdotool and GNU time (Debian: xvfb, xdotool, time).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
limit=${SORNA_STARTUP_LIMIT:-300}  # seconds that any one wait may take
floor_caption="Sorna bare window"  # as bench/BareWindow.cpp names its window once painted
corpus=$(sed -n 's/^SORNA_CORPUS_DIR:PATH=//p' "$build/CMakeCache.txt")
scratch=$(mktemp -d)
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
trap 'exit 1' HUP INT PIPE TERM

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

# Succeeds once the command does, polling while process $1 lives, for at most $limit seconds.
poll() {
    pid=$1
    shift
    deadline=$(($(date +%s) + limit))
    until "$@" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null && [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.005  # the poll's period
    done
}

# A book of 100 MiB or a little more: one Korean text over and over, whole, as the decode
# benchmark makes it; the reader reopens it as its most recent file.
make_book() {
    book=$scratch/$1
    while [ "$(stat -c %s "$book" 2>/dev/null || echo 0)" -lt 104857600 ]; do
        cat "$corpus/$2" >>"$book"
    done
    mkdir -p "$XDG_CONFIG_HOME/sorna"
    printf 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]\n"nRecentFileCount"=dword:00000001\n"RFNAME00"="%s"\n"RFPOS00"=dword:00000000\n' \
        "$book" >"$XDG_CONFIG_HOME/sorna/user.reg"
    cat "$book" >/dev/null  # warm the page cache for every run alike
}

# Seconds from starting the program "$2"... to a window whose name matches $1, and its peak
# resident set in KiB. The reader names the book in its caption once the first page is laid out;
# the floor names itself once its line is painted.
shown_after() {
    pattern=$1
    shift
    start=$(now)
    /usr/bin/time -f '%M' -o "$scratch/rss" "$@" &
    program=$!
    shown=
    if poll "$program" xdotool search --name "$pattern"; then
        shown=$(now)
    fi
    pkill -P "$program" || true  # the program under time(1), so that time writes its figure
    wait "$program" 2>/dev/null || true
    [ -n "$shown" ] || return 1
    echo "$(elapsed "$start" "$shown") $(tail -n 1 "$scratch/rss")"
}

timed() {
    start=$(now)
    "$@" >/dev/null
    elapsed "$start" "$(now)"
}

# Keeps figure $2 of the run for the median $1.
keep() { echo "$2" >>"$scratch/figures.$1"; }
# The median of the figures kept as $1, printed in the awk format $2 (%.3f).
median() {
    sort -g "$scratch/figures.$1" |
        awk -v f="${2:-%.3f}" '{ v[NR] = $1 } END { printf f, (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2 }'
}

# One run: the reader, the floor, iconv and cat in turn, each figure printed and kept.
run_once() {
    reader=$(shown_after "^$(basename "$book") - " "$build/app/sorna") || {
        echo "run $1: no page from the reader (it ended, or $limit s passed); its other runs are left out"
        stopped=yes
        return 0
    }
    floor=$(shown_after "^$floor_caption\$" "$build/bench/bench_bare_window") || {
        echo "the floor showed no window within $limit s" >&2
        exit 1
    }
    converted=$(timed iconv -f "$2" -t UTF-16LE "$book")
    catted=$(timed cat "$book")
    ratio=$(awk -v a="${reader% *}" -v b="${floor% *}" 'BEGIN { printf "%.2f", a / b }')
    keep reader "${reader% *}"
    keep floor "${floor% *}"
    keep ratio "$ratio"
    keep iconv "$converted"
    keep cat "$catted"
    echo "run $1: reader ${reader% *} s (peak ${reader#* } KiB); floor ${floor% *} s" \
        "(peak ${floor#* } KiB); reader/floor $ratio; iconv (4 KiB pages, its own process)" \
        "$converted s; cat $catted s"
}

Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
poll "$xvfb" test -s "$scratch/display" || { echo "Xvfb did not start" >&2; exit 1; }
display=$(cat "$scratch/display")
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
for kind in "cp949.txt ko-cp949-bible-krv-large.txt CP949" "utf8.txt ko-utf8-novel-02.txt UTF-8"; do
    set -- $kind
    make_book "$1" "$2"
    echo "== $3, $(stat -c %s "$book") bytes"
    rm -f "$scratch"/figures.*
    stopped=
    for run in $(seq "$runs"); do
        run_once "$run" "$3"
        [ -z "$stopped" ] || break
    done
    if [ -s "$scratch/figures.reader" ]; then
        echo "median of $(wc -l <"$scratch/figures.reader") runs: reader $(median reader) s;" \
            "floor $(median floor) s; reader/floor $(median ratio %.2f); iconv (4 KiB pages, its" \
            "own process) $(median iconv) s; cat $(median cat) s"
    fi
done
