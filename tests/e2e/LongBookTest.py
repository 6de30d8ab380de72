"""A book of 200 MB in a real window, reopened near its end: the page read last shows, End goes
to the last page, Shift+F3 finds the last search back from there, and Alt+Left comes back."""

import os

from EndToEnd import ReaderTestCase, corpus_file

NOVEL = corpus_file("ko-utf8-novel-02.txt")
BOOK_BYTES = 200 << 20
MARKER = "표지말"  # a word the novel does not hold, put once between the place and the end
PAGE_LINES = 400  # more than any page of the test window shows


def utf16_length(text):
    return len(text.encode("utf-16-le")) // 2


class LongBookTest(ReaderTestCase):
    def write_book(self):
        """The novel over and over to 200 MB, and the unit and byte of a line 95 % through; a
        short file of the lines from there on, which shows the same page from its start."""
        with open(NOVEL, encoding="utf-8") as file:
            lines = file.read().splitlines(keepends=True)
        copy = "".join(lines)
        copies = BOOK_BYTES // len(copy.encode("utf-8")) + 1
        tail_start = copies * len(lines) * 95 // 100
        head_copies, head_lines = divmod(tail_start, len(lines))
        head = copy * head_copies + "".join(lines[:head_lines])
        rest = (lines * 4)[head_lines:head_lines + 3 * len(lines)]
        rest[PAGE_LINES * 2] = MARKER + " " + rest[PAGE_LINES * 2]
        tail = "".join(rest) + copy * (copies - head_copies - 4)
        path = os.path.join(self.home.books, "대하소설.txt")
        with open(path, "w", encoding="utf-8") as file:
            file.write(head)
            file.write(tail)
        page = os.path.join(self.home.books, "한쪽.txt")
        with open(page, "w", encoding="utf-8") as file:
            file.write("".join(rest[:PAGE_LINES]))
        return path, page, utf16_length(head), len(head.encode("utf-8"))

    def text_area(self, reader, picture):
        """The page without the position bar at its right edge, which tells the share read."""
        return picture.crop(0, 0, reader.width - 10, reader.page_height)

    def test_reopened_near_its_end_the_page_shows_and_end_find_and_back_work(self):
        path, page, unit, byte = self.write_book()
        reference = self.start_on_document(page)
        expected = self.text_area(reference, reference.settled_picture())
        self.assertEqual(reference.close(), 0)

        reader = self.start_on_document(path, unit, RFBYTE00=byte, nRecentSearchCount=1,
                                        RSEARCH00=MARKER)
        start = reader.settled_picture()
        self.assertEqual(self.text_area(reader, start), expected, "not the page read last")
        last = reader.picture_after(lambda: reader.press_keys("End"), start)
        found = reader.picture_after(lambda: reader.press_keys("shift+F3"), last)
        self.assertNotEqual(found, start)
        back = reader.picture_after(lambda: reader.press_keys("alt+Left"), found)
        self.assertEqual(back, last)
        reader.picture_after(lambda: reader.press_keys("alt+Left"), back)
        self.assertTrue(reader.wait_for_picture(start), "back did not come to the page read")
        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings()["RFPOS00"], unit)
        self.assertEqual(self.home.settings()["RFBYTE00"], byte)
