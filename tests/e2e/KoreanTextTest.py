"""A Korean novel in code page 949 shows the page of its text decoded here and stored as UTF-16,
and not that of the text with every Hangul syllable replaced by a character no font draws, which
Hangul shown as boxes would look like. The loader's tests decode every test document of each
encoding as ICU does, pages included, and turn pages into text by the name alone."""

import pathlib
import re

from EndToEnd import ReaderTestCase, corpus_file

BOOK = corpus_file("ko-cp949-novel-02.txt")
HANGUL_SYLLABLE = re.compile("[\uac00-\ud7a3]")
UNDRAWABLE = "\u0378"  # unassigned; like a syllable it is a wide character to the layout


class KoreanTextTest(ReaderTestCase):
    def first_page(self, path):
        reader = self.start_on_document(path)
        picture = reader.text_picture()
        self.assertEqual(reader.close(), 0)
        return picture

    def test_code_page_949_text_shows_as_its_hangul(self):
        text = pathlib.Path(BOOK).read_bytes().decode("cp949")
        shown = self.first_page(BOOK)
        self.assertGreater(shown.ink(), 1000, "the page is blank")
        reference = self.home.write_book("reference.txt", text)
        self.assertEqual(shown, self.first_page(reference), "the text differs from its reference")
        boxes = self.home.write_book("boxes.txt", HANGUL_SYLLABLE.sub(UNDRAWABLE, text))
        self.assertNotEqual(shown, self.first_page(boxes), "Hangul shows as boxes")
