#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop gets from it: a valid menu
# entry that opens plain text, HTML and EPUB files it is given, the icon in every size, the README
# and a manual page that groff reads without a warning.
#   CheckDesktopInstall.sh BUILD_DIR SCRATCH_PREFIX
set -eu
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
entry=$prefix/share/applications/sorna.desktop
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "desktop entry is not valid"
grep -qx 'Name=Sorna' "$entry" || fail "entry is not named Sorna"
grep -q '^Comment=' "$entry" || fail "no English comment"
grep -q '^Comment\[ko\]=' "$entry" || fail "no Korean comment"
grep -qx 'MimeType=text/plain;text/html;application/epub+zip;' "$entry" ||
    fail "entry does not claim text, HTML and EPUB"
grep -qx 'Exec=sorna %f' "$entry" || fail "entry does not pass the file on the command line"
[ -x "$prefix/bin/sorna" ] || fail "no program"
[ -f "$prefix/share/icons/hicolor/scalable/apps/sorna.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/sorna.png
    [ -f "$png" ] || fail "no $size pixel icon"
    # A PNG's width and height are the big-endian numbers at bytes 16 and 20.
    dims=$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
    [ "$dims" = "$size $size" ] || fail "$size pixel icon is $dims"
done
[ -f "$prefix/share/doc/sorna/README.md" ] || fail "no README"
manual=$prefix/share/man/man1/sorna.1
[ -f "$manual" ] || fail "no manual page"
warnings=$(groff -ww -man -Tutf8 -z "$manual" 2>&1) || fail "groff cannot read the manual page"
[ -z "$warnings" ] || fail "the manual page: $warnings"
echo "desktop install: 1 passed, 0 failed"
