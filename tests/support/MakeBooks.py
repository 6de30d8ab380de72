"""Builds EPUB books from the corpus's texts for the tests, the fuzzer and the benchmark:
    MakeBooks.py CORPUS_FOLDER OUT_FOLDER             the test books, good and bad, and archives
    MakeBooks.py CORPUS_FOLDER OUT_FOLDER --mib N     one book of about N MiB, big-N.epub
Each book's chapters are headed by h1 elements; what a test expects of a book is in its name
and in BooksTest.cpp. The archives zip-*.zip hold corpus files as ZipArchiveTest.cpp reads them."""

import html
import io
import os
import struct
import sys
import zipfile

CONTAINER = """<?xml version="1.0"?>
<container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container">
<rootfiles><rootfile full-path="%s" media-type="application/oebps-package+xml"/></rootfiles>
</container>"""

PAGE = """<?xml version="1.0" encoding="%s"?>
<html xmlns="http://www.w3.org/1999/xhtml"><head><title>%s</title>
<style>p { text-indent: 1em; }</style></head>
<body><h1>%s</h1>
%s
</body></html>"""


def read_lines(corpus, name, encoding="utf-8"):
    with open(os.path.join(corpus, name), encoding=encoding, errors="replace") as file:
        return [line.strip() for line in file if line.strip()]


def paragraphs(lines):
    return "\n".join("<p>%s</p>" % html.escape(line) for line in lines)


def page(title, lines, encoding="UTF-8", extra=""):
    return PAGE % (encoding, html.escape(title), html.escape(title), extra + paragraphs(lines))


def package(items, spine, version="3.0", toc=""):
    """items: (id, href, media type, properties)."""
    manifest = "\n".join('<item id="%s" href="%s" media-type="%s"%s/>' %
                         (i, href, kind, ' properties="%s"' % props if props else "")
                         for i, href, kind, props in items)
    refs = "\n".join('<itemref idref="%s"/>' % i for i in spine)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<package xmlns="http://www.idpf.org/2007/opf" '
            'version="%s"><metadata/><manifest>\n%s\n</manifest><spine%s>\n%s\n</spine></package>'
            % (version, manifest, ' toc="%s"' % toc if toc else "", refs))


def write_book(path, entries, package_path="OEBPS/content.opf"):
    """entries: {name: bytes or str}; the container names package_path unless entries has one."""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as book:
        book.writestr(zipfile.ZipInfo("mimetype"), "application/epub+zip")
        if "META-INF/container.xml" not in entries and package_path:
            book.writestr("META-INF/container.xml", CONTAINER % package_path)
        for name, data in entries.items():
            if data is not None:
                book.writestr(name, data)


def chapters(lines, count):
    share = max(len(lines) // count, 1)
    return [lines[n * share:(n + 1) * share] for n in range(count)]


def nav_book(corpus):
    """EPUB 3: a nav document with a nested list and a link to an id, names with spaces, an image."""
    parts = chapters(read_lines(corpus, "ko-utf8-novel-01.txt"), 3)
    middle = len(parts[1]) // 2
    second = (paragraphs(parts[1][:middle]) + '\n<h2 id="second-half">제2장 뒷부분</h2>\n' +
              paragraphs(parts[1][middle:]))
    nav = ('<?xml version="1.0" encoding="UTF-8"?><html xmlns:epub="http://www.idpf.org/2007/ops">'
           '<body><nav epub:type="landmarks"><ol><li><a href="Text/chapter%201.xhtml">표지</a></li>'
           '</ol></nav><nav epub:type="toc"><h1>차례</h1><ol>'
           '<li><a href="Text/chapter%201.xhtml">제1장</a></li>'
           '<li><a href="Text/chapter%202.xhtml"><span>제2장</span></a><ol>'
           '<li><a href="Text/chapter%202.xhtml#second-half">제2장 뒷부분</a></li></ol></li>'
           '<li><a href="Text/chapter%203.xhtml">제3장</a></li></ol></nav></body></html>')
    entries = {"OEBPS/nav.xhtml": nav,
               "OEBPS/Text/chapter 1.xhtml": page("제1장", parts[0], extra='<p><img src="../a.png" '
                                                  'alt="그림 &amp; 설명"/></p>\n'),
               "OEBPS/Text/chapter 2.xhtml": PAGE % ("UTF-8", "제2장", "제2장", second),
               "OEBPS/Text/chapter 3.xhtml": page("제3장", parts[2])}
    items = [("nav", "nav.xhtml", "application/xhtml+xml", "nav")] + [
        ("c%d" % n, "Text/chapter%%20%d.xhtml" % n, "application/xhtml+xml", "") for n in (1, 2, 3)]
    entries["OEBPS/content.opf"] = package(items, ["c1", "c2", "c3"])
    return entries


def ncx(points):
    """points: (title, src, children)."""
    def point(title, src, children):
        return ('<navPoint><navLabel><text>%s</text></navLabel><content src="%s"/>%s</navPoint>'
                % (title, src, "".join(point(*child) for child in children)))
    return ('<?xml version="1.0" encoding="UTF-8"?><ncx xmlns="http://www.daisy.org/z3986/2005/ncx/">'
            '<docTitle><text>The Book</text></docTitle><navMap>%s</navMap>'
            '<pageList><pageTarget><navLabel><text>1</text></navLabel><content src="part.xhtml"/>'
            '</pageTarget></pageList></ncx>' % "".join(point(*p) for p in points))


def ncx_book(corpus):
    """EPUB 2: an NCX with nested points and a page list, the package at the root."""
    parts = chapters(read_lines(corpus, "en-gutenberg-03.txt"), 3)
    entries = {"part.xhtml": page("Part One", parts[0]),
               "text/ch1.xhtml": page("Chapter I", parts[1]),
               "text/ch2.xhtml": page("Chapter II", parts[2]),
               "toc.ncx": ncx([("Part One", "part.xhtml", [("Chapter I", "text/ch1.xhtml", []),
                                                            ("Chapter II", "text/ch2.xhtml", [])])])}
    items = [("p", "part.xhtml", "application/xhtml+xml", ""),
             ("c1", "text/ch1.xhtml", "application/xhtml+xml", ""),
             ("c2", "text/ch2.xhtml", "application/xhtml+xml", ""),
             ("ncx", "toc.ncx", "application/x-dtbncx+xml", "")]
    entries["book.opf"] = package(items, ["p", "c1", "c2"], "2.0", "ncx")
    return entries, "book.opf"


def headings_book(corpus, count=3, name="ko-utf8-novel-02.txt"):
    """No navigation at all: the chapters are the items' headings."""
    parts = chapters(read_lines(corpus, name), count)
    entries = {"OEBPS/c%d.xhtml" % n: page("제%d장" % (n + 1), part) for n, part in enumerate(parts)}
    items = [("c%d" % n, "c%d.xhtml" % n, "application/xhtml+xml", "") for n in range(len(parts))]
    entries["OEBPS/content.opf"] = package(items, [i[0] for i in items])
    return entries


def encodings_book(corpus):
    """Items in UTF-16LE with a mark, UTF-16BE with a mark, UTF-16LE without one, and EUC-KR."""
    korean = chapters(read_lines(corpus, "ko-utf8-novel-03.txt"), 3)
    euc = read_lines(corpus, "ko-cp949-novel-01.txt", "cp949")[:40]
    entries = {"OEBPS/le.xhtml": page("첫째", korean[0], "UTF-16").encode("utf-16"),
               "OEBPS/be.xhtml": b"\xfe\xff" + page("둘째", korean[1], "UTF-16").encode("utf-16-be"),
               "OEBPS/bare.xhtml": page("셋째", korean[2], "UTF-16").encode("utf-16-le"),
               "OEBPS/euc.xhtml": page("넷째", euc, "EUC-KR").encode("cp949"),
               "OEBPS/toc.ncx": ncx([(t, "%s.xhtml" % f, []) for t, f in
                                     (("첫째", "le"), ("둘째", "be"), ("셋째", "bare"), ("넷째", "euc"))])}
    items = [(f, "%s.xhtml" % f, "application/xhtml+xml", "") for f in ("le", "be", "bare", "euc")]
    entries["OEBPS/content.opf"] = package(items + [("ncx", "toc.ncx", "application/x-dtbncx+xml", "")],
                                           [i[0] for i in items], "2.0")
    return entries


def bad_books(corpus, out):
    good = headings_book(corpus)
    write_book(os.path.join(out, "bad-no-container.epub"),
               dict(good, **{"META-INF/container.xml": None}), None)
    write_book(os.path.join(out, "bad-no-package.epub"), good, "OEBPS/missing.opf")
    write_book(os.path.join(out, "bad-missing-item.epub"), dict(good, **{"OEBPS/c1.xhtml": None}))
    climbing = package([("c0", "../../etc/passwd", "application/xhtml+xml", "")], ["c0"])
    write_book(os.path.join(out, "bad-climbs-out.epub"), dict(good, **{"OEBPS/content.opf": climbing}))
    write_book(os.path.join(out, "bad-absolute.epub"), good, "/etc/passwd")
    encryption = ('<encryption xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><EncryptedData>'
                  '<CipherData><CipherReference URI="%s"/></CipherData></EncryptedData></encryption>')
    write_book(os.path.join(out, "bad-protected.epub"),
               dict(good, **{"META-INF/encryption.xml": encryption % "OEBPS/c1.xhtml"}))
    write_book(os.path.join(out, "good-font-obfuscated.epub"),
               dict(good, **{"META-INF/encryption.xml": encryption % "OEBPS/font.otf"}))
    write_book(os.path.join(out, "good-stray-entries.epub"),
               dict(good, **{"../stray.xhtml": "<p>x</p>", "/etc/stray": "x"}))
    bomb = zipfile.ZipInfo("OEBPS/c0.xhtml")
    bomb.compress_type = zipfile.ZIP_DEFLATED
    with zipfile.ZipFile(os.path.join(out, "bad-bomb.epub"), "w", zipfile.ZIP_DEFLATED) as book:
        book.writestr("META-INF/container.xml", CONTAINER % "OEBPS/content.opf")
        book.writestr("OEBPS/content.opf", good["OEBPS/content.opf"])
        with book.open(bomb, "w") as item:
            for _ in range(64):
                item.write(bytes(1 << 20))
    write_book(os.path.join(out, "bad-crowded.epub"),
               dict(good, **{"OEBPS/x/%d" % n: "" for n in range(70000)}))
    whole = open(os.path.join(out, "nav.epub"), "rb").read()
    with open(os.path.join(out, "bad-cut-short.epub"), "wb") as file:
        file.write(whole[:len(whole) * 3 // 5])
    with open(os.path.join(out, "bad-not-a-zip.epub"), "wb") as file:
        file.write(b"PK\x03\x04" + "제1장 이것은 책이 아닙니다".encode())
    for name in ("nav-renamed.txt", "nav-without-extension"):
        with open(os.path.join(out, name), "wb") as file:
            file.write(whole)


# Each archive's entries, named after the corpus files they hold: one stored, one deflated.
ARCHIVED = {"저장/ko-cp949-novel-01.txt": zipfile.ZIP_STORED,
            "압축/en-gutenberg-03.txt": zipfile.ZIP_DEFLATED}


def write_archive(file, corpus, force_zip64=False):
    with zipfile.ZipFile(file, "w") as archive:
        for name, method in ARCHIVED.items():
            info = zipfile.ZipInfo(name)
            info.compress_type = method
            with archive.open(info, "w", force_zip64=force_zip64) as entry:
                entry.write(open(os.path.join(corpus, name.split("/")[1]), "rb").read())


class Unseekable(io.RawIOBase):
    """A file that can only be written on, so that zipfile follows each entry by its sizes."""
    def __init__(self):
        self.written = io.BytesIO()

    def writable(self):
        return True

    def write(self, data):
        return self.written.write(data)


def zip64_archive(corpus):
    """Every size and offset in ZIP64 fields, and the end record leaving all to the ZIP64 one."""
    limit = zipfile.ZIP64_LIMIT
    zipfile.ZIP64_LIMIT = -1
    try:
        data = io.BytesIO()
        write_archive(data, corpus, force_zip64=True)
    finally:
        zipfile.ZIP64_LIMIT = limit
    data = bytearray(data.getvalue())
    end = data.rindex(b"PK\x05\x06")
    assert data.rfind(b"PK\x06\x06") > 0
    struct.pack_into("<HHII", data, end + 8, 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF)
    return data


def patched(data, name, field, value):
    """The archive with a field of name's central directory record replaced; field is
    (offset, struct format), value a function of the field's value."""
    at = data.index(b"PK\x01\x02")
    while data[at + 46:at + 46 + len(name.encode())] != name.encode():
        at += 46 + sum(struct.unpack_from("<HHH", data, at + 28))
    offset, form = field
    data = bytearray(data)
    struct.pack_into(form, data, at + offset, value(struct.unpack_from(form, data, at + offset)[0]))
    return data


def spoiled(data, name):
    """The archive with name's deflate data starting with a block of no known type."""
    header = zipfile.ZipFile(io.BytesIO(data)).getinfo(name).header_offset
    at = header + 30 + sum(struct.unpack_from("<HH", data, header + 26))
    return data[:at] + b"\xff" + data[at + 1:]


FLAGS, METHOD, CRC, PACKED, SIZE = (8, "<H"), (10, "<H"), (16, "<I"), (20, "<I"), (24, "<I")


def zip_archives(corpus, out):
    """The archives good in three ways, and each way of damaging one entry of the plain one."""
    plain = io.BytesIO()
    write_archive(plain, corpus)
    plain = plain.getvalue()
    descriptors = Unseekable()
    write_archive(descriptors, corpus)
    assert all(i.flag_bits & 8 for i in zipfile.ZipFile(descriptors.written).infolist())
    stored, deflated = ARCHIVED
    archives = {
        "zip-plain.zip": plain, "zip-descriptors.zip": descriptors.written.getvalue(),
        "zip-zip64.zip": zip64_archive(corpus),
        "zip-bad-crc.zip": patched(plain, deflated, CRC, lambda crc: crc ^ 1),
        "zip-bad-stored-crc.zip": patched(plain, stored, CRC, lambda crc: crc ^ 0x8000),
        "zip-bad-size-smaller.zip": patched(plain, deflated, SIZE, lambda size: size - 1),
        "zip-bad-size-larger.zip": patched(plain, deflated, SIZE, lambda size: size + 1),
        "zip-bad-method.zip": patched(plain, deflated, METHOD, lambda method: 12),
        "zip-bad-encrypted.zip": patched(plain, deflated, FLAGS, lambda flags: flags | 1),
        "zip-bad-deflate.zip": spoiled(plain, deflated),
        "zip-bad-packed-short.zip": patched(plain, deflated, PACKED, lambda size: size // 2)}
    bomb = open(os.path.join(out, "bad-bomb.epub"), "rb").read()
    archives["zip-bomb-lying.zip"] = patched(bomb, "OEBPS/c0.xhtml", SIZE, lambda size: 1000)
    for name, data in archives.items():
        with open(os.path.join(out, name), "wb") as file:
            file.write(data)


def big_book(corpus, out, mib):
    """About mib MiB of compressed book: the large Korean and English texts again and again."""
    lines = (read_lines(corpus, "ko-cp949-bible-krv-large.txt", "cp949") +
             read_lines(corpus, "en-gutenberg-01-large.txt"))
    entries, size, n = {}, 0, 0
    while size < mib << 20:
        text = page("제%d장" % (n + 1), lines).encode("utf-8")
        entries["OEBPS/c%d.xhtml" % n] = text
        size += len(text) // 3  # deflate takes Korean and English text to about a third
        n += 1
    items = [("c%d" % i, "c%d.xhtml" % i, "application/xhtml+xml", "") for i in range(n)]
    entries["OEBPS/content.opf"] = package(items, [i[0] for i in items])
    write_book(os.path.join(out, "big-%d.epub" % mib), entries)


def main(corpus, out, *options):
    os.makedirs(out, exist_ok=True)
    if options[:1] == ("--mib",):
        big_book(corpus, out, int(options[1]))
        return
    write_book(os.path.join(out, "nav.epub"), nav_book(corpus))
    entries, opf = ncx_book(corpus)
    write_book(os.path.join(out, "ncx.epub"), entries, opf)
    write_book(os.path.join(out, "headings.epub"), headings_book(corpus))
    write_book(os.path.join(out, "encodings.epub"), encodings_book(corpus))
    bad_books(corpus, out)
    zip_archives(corpus, out)


if __name__ == "__main__":
    main(*sys.argv[1:])
