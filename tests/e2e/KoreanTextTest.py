"""A Korean novel and page in code page 949 show the page of their text decoded here and stored as
UTF-16, and not that of the text with every Hangul syllable replaced by a character no font draws,
which Hangul shown as boxes would look like. The loader's tests decode every test document of each
encoding as ICU does."""

import re

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import decoded

HANGUL_SYLLABLE = re.compile("[\uac00-\ud7a3]")
UNDRAWABLE = "\u0378"  # unassigned; like a syllable it is a wide character to the layout


class KoreanTextTest(ReaderTestCase):
    def first_page(self, path):
        reader = self.start_on_document(path)
        picture = reader.text_picture()
        self.assertEqual(reader.close(), 0)
        return picture

    def assert_shows_korean(self, name):
        path = corpus_file(name)
        text = decoded(path, "cp949")
        shown = self.first_page(path)
        self.assertGreater(shown.ink(), 1000, "the page is blank")
        reference = self.home.write_book(path, "-reference", text)
        self.assertEqual(shown, self.first_page(reference), "the text differs from its reference")
        boxes = self.home.write_book(path, "-boxes", HANGUL_SYLLABLE.sub(UNDRAWABLE, text))
        self.assertNotEqual(shown, self.first_page(boxes), "Hangul shows as boxes")

    def test_code_page_949_text(self):
        self.assert_shows_korean("ko-cp949-novel-02.txt")

    def test_euc_kr_html_page(self):
        # The reference is the same page, so the conversion to text is the reader's in both.
        self.assert_shows_korean("ko-euckr-page-02.htm")
