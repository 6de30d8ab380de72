#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop gets from it: a valid menu
# entry that opens plain text, HTML and EPUB files it is given, the icon in every size, what
# software centres show of the reader, the README and a manual page of this version that
# groff reads without a warning.
#   CheckDesktopInstall.sh BUILD_DIR SCRATCH_PREFIX VERSION
set -eu
build=$1
prefix=$2
version=$3
source=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
# A PNG's width and height are the big-endian numbers at bytes 16 and 20.
png_size() { od -An -tu4 --endian=big -j16 -N8 "$1" | tr -s ' ' | sed 's/^ //'; }
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
    dims=$(png_size "$png")
    [ "$dims" = "$size $size" ] || fail "$size pixel icon is $dims"
done
[ -f "$prefix/share/doc/sorna/README.md" ] || fail "no README"
manual=$prefix/share/man/man1/sorna.1
grep -qF "\"Sorna $version\"" "$manual" || fail "no manual page of $version"
warnings=$(groff -ww -man -Tutf8 -z "$manual" 2>&1) || fail "groff cannot read the manual page"
[ -z "$warnings" ] || fail "the manual page: $warnings"

# The software centres' view: the entry's file types, the README's pictures at their sizes, and
# the build's version, which the Debian package carries too.
metainfo=$prefix/share/metainfo/org.example.sorna.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
if command -v appstreamcli >/dev/null; then
    # The tree check also finds the menu entry the metainfo launches; it reads a system's usr/.
    tree=$prefix.tree
    rm -rf "$tree" && mkdir "$tree" && ln -s "$(cd "$prefix" && pwd)" "$tree/usr"
    appstreamcli validate-tree --no-net "$tree" || fail "metainfo is not valid"
fi
grep -q '<launchable type="desktop-id">sorna.desktop</launchable>' "$metainfo" ||
    fail "metainfo does not launch the menu entry"
entry_types=$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort | tr '\n' ' ')
info_types=$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo" | sort | tr '\n' ' ')
[ "$entry_types" = "$info_types" ] || fail "metainfo offers $info_types, the entry $entry_types"
image='.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\(docs/.*\)<.*'
pictures=$(sed -n "s:$image:\3 \1 \2:p" "$metainfo")
[ -n "$pictures" ] || fail "metainfo shows no screenshot"
echo "$pictures" | while read -r picture size; do
    grep -qF "($picture)" "$source/README.md" || fail "README does not show $picture"
    [ "$(png_size "$source/$picture")" = "$size" ] || fail "$picture is not $size"
done
newest=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "metainfo's newest release is $newest, the build's $version"
head -n 1 "$source/debian/changelog" | grep -qF "sorna ($version)" ||
    fail "debian/changelog does not begin with $version"
echo "desktop install: 1 passed, 0 failed"
