#!/bin/sh
# The whole process, as a user meets it: from starting the reader to its first page of a long book
# that it reopens as its most recent file, 90 % of the way through, on a virtual display. In the
# same runs, one after another:
#   the floor, bench_bare_window: the simplest Qt program that shows a line of text, started and
#   waited for exactly as the reader is;
#   iconv converting the same file to UTF-16 as a process of its own (the peer a shell user has;
#   it writes into 4 KiB pages, where the reader asks for huge pages);
#   cat reading it (the limit: the bytes from the page cache).
# Books of 1, 100 and 1024 MiB, each in CP949, in UTF-8 and in plain ASCII English.
#   sh bench/startup.sh [build folder] [runs] [warm|cold|fresh] [sizes in MiB]
# The state may also come from SORNA_STARTUP_STATE, the sizes from SORNA_STARTUP_SIZES ("1 100
# 1024"), and the folder the books are written in from TMPDIR (/var/tmp). warm: the page cache holds
# the book, read with cat before its runs. cold: the page cache is dropped before every reader,
# floor and iconv run (as root). fresh: as cold, and each of those runs is also given new memory
# that the host has yet to back, as on a freshly booted virtual machine, where new memory is slow
# to touch (bench_memory_ballast; as root, on a machine that reports free pages to its host). A
# figure holds for the state it was taken in; report fresh or cold beside a warm run of the build.
# Needs Xvfb and GNU time (Debian: xvfb, time).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
state=${3:-${SORNA_STARTUP_STATE:-warm}}
sizes=${4:-${SORNA_STARTUP_SIZES:-1 100 1024}}
limit=${SORNA_STARTUP_LIMIT:-300}  # seconds that any one wait may take
floor_caption="Sorna bare window"  # as bench/BareWindow.cpp names its window once painted
kinds="ko-cp949-bible-krv-large.txt:CP949 ko-utf8-novel-02.txt:UTF-8 en-gutenberg-01-large.txt:ASCII"
case $state in warm | cold | fresh) ;; *) echo "the state is warm, cold or fresh, not $state" >&2; exit 2 ;; esac
for size in $sizes; do
    case $size in '' | 0* | *[!0-9]*) echo "a size is a whole number of MiB, not $size" >&2; exit 2 ;; esac
done
corpus=$(sed -n 's/^SORNA_CORPUS_DIR:PATH=//p' "$build/CMakeCache.txt")
scratch=$(mktemp -d "${TMPDIR:-/var/tmp}/sorna-startup.XXXXXX")
xvfb=
ballast=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; release_ballast; rm -rf "$scratch"' EXIT
trap 'exit 1' HUP INT PIPE TERM

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
bytes() { stat -c %s "$1"; }
mem_free_mib() { awk '/^MemAvailable:/ { print int($2 / 1024) }' /proc/meminfo; }
disk_free_mib() { df -Pk "$scratch" | awk 'NR == 2 { print int($4 / 1024) }'; }

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

drop_page_cache() { sync && { echo 3 >/proc/sys/vm/drop_caches; } 2>/dev/null; }

# The free memory that the host still backs, held by bench_memory_ballast until it is released;
# the speed at which its probe touched new memory is kept. After a run that freed gigabytes the
# kernel may not have reported them all yet, and the probe is fast: it is tried again, a few times.
hold_ballast() {
    for try in 1 2 3 4 5; do
        release_ballast
        sleep "$reporting_wait"
        "$build/bench/bench_memory_ballast" >"$scratch/ballast" &
        ballast=$!
        poll "$ballast" test -s "$scratch/ballast" || { ballast=; return 1; }
        speed=$(awk '{ print $(NF - 1) }' "$scratch/ballast")
        awk -v s="$speed" -v most="$fresh_speed" 'BEGIN { exit !(s > most) }' || break
    done
    keep memory "$speed"
    rm "$scratch/ballast"
}
release_ballast() {
    [ -z "$ballast" ] || { kill "$ballast" && wait "$ballast"; } 2>/dev/null || true
    ballast=
}
reporting_wait=3  # seconds: the kernel reports freed blocks to the host 2 s after they are freed
fresh_speed=0.5   # GB/s at most for new memory to count as fresh (2-3 GB/s once backed, here)

# Before a run. cold: the program reads its libraries, fonts and book from the disk, and starts
# once the kernel has reported the dropped pages to the host. fresh: and its new memory is memory
# the host has not backed since it was freed.
cool() {
    release_ballast
    case $state in
    cold) drop_page_cache && sleep "$reporting_wait" || true ;;
    fresh)
        drop_page_cache && echo 1 >/proc/sys/vm/compact_memory && hold_ballast ||
            { echo "no fresh memory could be made (not root?)" >&2; exit 1; }
        ;;
    esac
}

# The size of the file up to the line feed that ends the line holding byte $2 (counted from 1).
line_end() { echo $(($2 - 1 + $(tail -c +"$2" "$1" | head -n 1 | wc -c))); }

# One copy of the text in encoding $2: the English text's mark and curly quotes become ASCII.
text_copy() {
    if [ "$2" = ASCII ]; then
        sed '1s/^\xef\xbb\xbf//' "$corpus/$1" | iconv -f UTF-8 -t ASCII//TRANSLIT
    else
        cat "$corpus/$1"
    fi
}

# The book: whole copies of text $1 in encoding $2 until it holds $3 bytes, cut after the line
# feed that ends the line where that size is reached.
make_book() {
    text_copy "$1" "$2" >"$scratch/block"
    # A text that converts whole converts in every part cut after a line feed, as below.
    iconv -f "$2" -t UTF-16LE "$scratch/block" >/dev/null
    # The copies go in by blocks of 16 MiB or more, so that a large book takes few processes.
    while [ "$(bytes "$scratch/block")" -lt 16777216 ]; do
        cat "$scratch/block" "$scratch/block" >"$scratch/blocks"
        mv "$scratch/blocks" "$scratch/block"
    done
    : >"$book"
    while [ "$(bytes "$book")" -lt "$3" ]; do cat "$scratch/block" >>"$book"; done
    rm "$scratch/block"
    truncate -s "$(line_end "$book" "$3")" "$book"
}

# The reader's settings: the book in encoding $1 is its most recent file, reopened at the start
# of the line after the one holding the byte 90 % of the way through. The reader takes the
# place as UTF-16 code units into the text, and as the byte where that character begins.
write_settings() {
    place=$(line_end "$book" $(($(bytes "$book") * 9 / 10)))
    units=$(($(head -c "$place" "$book" | iconv -f "$1" -t UTF-16LE | wc -c) / 2))
    mkdir -p "$XDG_CONFIG_HOME/sorna"
    cat >"$XDG_CONFIG_HOME/sorna/user.reg" <<EOF
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]
"nRecentFileCount"=dword:00000001
"RFNAME00"="$book"
"RFPOS00"=dword:$(printf %08x "$units")
"RFBYTE00"=dword:$(printf %08x "$place")
EOF
}

# Seconds from starting the program "$2"... to a window whose caption begins with $1, and its peak
# resident set in KiB. The reader names the book in its caption once the first page is laid out;
# the floor names itself once its line is painted. bench_first_caption takes the time from the X
# server's events as the caption is set.
shown_after() {
    prefix=$1
    shift
    seconds=$("$build/bench/bench_first_caption" "$limit" "$prefix" \
        /usr/bin/time -f '%M' -o "$scratch/rss" "$@") || return 1
    echo "$seconds $(tail -n 1 "$scratch/rss")"
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

# The reader's seconds to its first page and its peak in $reader; fails when it shows none.
time_reader() {
    cool
    reader=$(shown_after "$(basename "$book") - " "$build/app/sorna") && return 0
    echo "run $1: no page from the reader (it ended, or $limit s passed); its other runs are left out"
    stopped=yes
    return 1
}

# The floor's seconds to its painted window and its peak in $floor.
time_floor() {
    cool
    floor=$(shown_after "$floor_caption" "$build/bench/bench_bare_window") || {
        echo "the floor showed no window within $limit s" >&2
        exit 1
    }
}

# One run: the reader and the floor, then iconv and cat, each figure printed and kept. The reader
# goes first in odd runs and the floor in even ones: the first starts after the last run's iconv
# and cat, whose freed page cache the kernel may still be handing back to the host meanwhile.
run_once() {
    if [ $(($1 % 2)) -eq 1 ]; then
        time_reader "$1" || return 0
        time_floor
    else
        time_floor
        time_reader "$1" || return 0
    fi
    cool
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

# The runs of one book of $2 MiB from corpus text $1 in encoding $3, and their medians.
bench_book() {
    book=$scratch/$(echo "$3" | tr '[:upper:]' '[:lower:]')-$2mib.txt
    make_book "$1" "$3" $(($2 * 1048576))
    write_settings "$3"
    echo "== $3, copies of $1: $(bytes "$book") bytes, reopened at byte $place (UTF-16 unit $units)"
    cat "$book" >/dev/null  # the page cache holds the book for every run alike
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
        [ "$state" != fresh ] || echo "new memory was touched at $(median memory %.2f) GB/s" \
            "(median of the probes made before each run)"
    fi
    rm -f "$book"
}

# Every book of $1 MiB, unless memory or disk has less room than three times that.
bench_size() {
    mem=$(mem_free_mib)
    disk=$(disk_free_mib)
    if [ "$mem" -lt $((3 * $1)) ] || [ "$disk" -lt $((3 * $1)) ]; then
        echo "== $1 MiB books skipped: MemAvailable $mem MiB, free disk $disk MiB, below 3 x $1 MiB"
        return
    fi
    for kind in $kinds; do bench_book "${kind%:*}" "$1" "${kind#*:}"; done
}

Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
poll "$xvfb" test -s "$scratch/display" || { echo "Xvfb did not start" >&2; exit 1; }
display=$(cat "$scratch/display")
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "state: $state; $(uptime -p 2>/dev/null || awk '{ printf "up %d s", $1 }' /proc/uptime);" \
    "load average $(cut -d ' ' -f 1-3 /proc/loadavg); MemAvailable $(mem_free_mib) MiB;" \
    "books in $scratch"
if [ "$state" != warm ] && ! drop_page_cache; then
    echo "the page cache could not be dropped (not root?): the runs below are as warm as any"
    state=warm
fi
for size in $sizes; do bench_size "$size"; done
