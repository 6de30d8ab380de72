"""Finding one's way in a long book in a real window: the chapter list, the next chapter, going to
a share of the book, back and forward, the last search again with F3 and Shift+F3, and the list of
every occurrence."""

import os

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import PICTURE_TIMEOUT
from VirtualDesktop import wait_until

NOVEL = corpus_file("ko-utf8-novel-01.txt")
CHAPTERS = 6
MARKER = "표지말"  # a word the novel does not hold, put into chapters 2 and 4


def utf16_length(text):
    return len(text.encode("utf-16-le")) // 2


class NavigationTest(ReaderTestCase):
    def write_book(self):
        """The novel's lines dealt into chapters headed "제N장 ..."; the UTF-16 offsets of the
        headings and of the marked lines."""
        with open(NOVEL, encoding="utf-8", newline="") as file:
            lines = file.read().splitlines(keepends=True)
        share = len(lines) // CHAPTERS
        book, headings, marked = "", [], []
        for chapter in range(CHAPTERS):
            headings.append(utf16_length(book))
            book += "제%d장 %d번째 이야기\r\n" % (chapter + 1, chapter + 1)
            for number, line in enumerate(lines[chapter * share:(chapter + 1) * share]):
                if chapter in (1, 3) and number == share // 2:
                    marked.append(utf16_length(book))
                    line = MARKER + " " + line
                book += line
        path = os.path.join(self.home.books, "장편.txt")
        with open(path, "w", encoding="utf-8", newline="") as file:
            file.write(book)
        return path, headings, marked

    def wait_for_windows(self, reader, count):
        self.assertTrue(wait_until(lambda: len(reader.windows()) == count, PICTURE_TIMEOUT),
                        "expected %d windows of the reader" % count)

    def in_dialog(self, reader, open_keys, *keys):
        reader.press_keys(open_keys)
        self.wait_for_windows(reader, 2)
        self.desktop.run_input("key", "--delay", "40", *keys)
        self.wait_for_windows(reader, 1)

    def test_chapters_next_chapter_go_to_back_and_forward(self):
        path, headings, _ = self.write_book()
        reader = self.start_on_document(path)
        first = reader.settled_picture()
        self.in_dialog(reader, "ctrl+t", "Down", "Return")  # the second chapter
        second = reader.picture_after(lambda: None, first)
        third = reader.picture_after(lambda: reader.press_keys("ctrl+bracketright"), second)
        self.in_dialog(reader, "ctrl+g", "5", "0", "percent", "Return")
        reader.picture_after(lambda: None, third)
        for keys, expected in (("alt+Left", third), ("alt+Left", second), ("alt+Left", first),
                               ("alt+Right", second)):
            reader.press_keys(keys)
            self.assertTrue(reader.wait_for_picture(expected), keys + " went elsewhere")
        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings()["RFPOS00"], headings[1])

    def test_the_last_search_again_and_every_occurrence(self):
        path, _, marked = self.write_book()
        reader = self.start_on_document(path, nRecentSearchCount=1, RSEARCH00=MARKER)
        first = reader.settled_picture()
        at_first = reader.picture_after(lambda: reader.press_keys("F3"), first)
        at_second = reader.picture_after(lambda: reader.press_keys("F3"), at_first)
        reader.press_keys("shift+F3")
        self.assertTrue(reader.wait_for_picture(at_first), "Shift+F3 did not find the first")
        # Past the last one a notice shows over the page and goes by itself.
        reader.press_keys("F3", "F3")
        self.assertTrue(wait_until(lambda: reader.picture() not in (at_first, at_second),
                                   PICTURE_TIMEOUT), "no notice of the miss")
        self.assertTrue(reader.wait_for_picture(at_second), "the notice stayed")
        reader.press_keys("Home")
        reader.picture_after(lambda: None, at_second)
        # 모두 찾기 is the fifth control after the search field; the list then takes the focus.
        self.in_dialog(reader, "ctrl+f", *["Tab"] * 5, "space", "Down", "Return")
        self.assertTrue(reader.wait_for_picture(at_second), "the second occurrence not shown")
        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings()["RFPOS00"], marked[1])
