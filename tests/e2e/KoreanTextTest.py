"""A Korean novel in code page 949 shows a page of ink, and not that of its text with every Hangul
syllable replaced by a character no font draws, which Hangul shown as boxes would look like. The
loader's tests decode every test document of each encoding as ICU does, pages included, and turn
pages into text by the name alone."""

import pathlib
import re

from EndToEnd import ReaderTestCase, corpus_file

BOOK = corpus_file("ko-cp949-novel-02.txt")
HANGUL_SYLLABLE = re.compile("[\uac00-\ud7a3]")
UNDRAWABLE = "\u0378"  # unassigned; like a syllable it is a wide character to the layout
POSITION_BAR_STRIP = 6  # pixels at the page's right edge that may show the reading progress


class KoreanTextTest(ReaderTestCase):
    def first_page(self, path):
        """Without the position bar, which differs in two documents of the same text."""
        reader = self.start_on_document(str(path))
        page = reader.settled_picture()
        self.assertEqual(reader.close(), 0)
        return page.crop(0, 0, page.width - POSITION_BAR_STRIP, page.height)

    def test_code_page_949_text_shows_as_its_hangul(self):
        text = pathlib.Path(BOOK).read_bytes().decode("cp949")
        shown = self.first_page(BOOK)
        self.assertGreater(shown.ink(), 1000, "the page is blank")
        boxes = pathlib.Path(self.home.books, "boxes.txt")  # UTF-16 with FF FE first
        boxes.write_bytes(b"\xff\xfe" + HANGUL_SYLLABLE.sub(UNDRAWABLE, text).encode("utf-16-le"))
        self.assertNotEqual(shown, self.first_page(boxes), "Hangul shows as boxes")
