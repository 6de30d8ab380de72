"""Korean documents in each encoding the reader takes show their text.

Each document's first page is compared with the page of a reference made in the same run: the
same text, decoded here by Python's own codec and stored in another encoding, shown by the same
reader. A second page, of the same text with every Hangul syllable replaced by a character no
font draws, must look different: Hangul shown as boxes would look the same."""

import re

from ReaderTestCase import ReaderTestCase, corpus_file
from TestDocuments import copy_name, decoded, write_text

HANGUL_SYLLABLE = re.compile("[\uac00-\ud7a3]")
UNDRAWABLE = "\u0378"  # unassigned; like a syllable it is a wide character to the layout


class KoreanTextTest(ReaderTestCase):
    def first_page(self, path):
        reader = self.start_on_document(path)
        picture = reader.text_picture()
        self.assertEqual(reader.close(), 0)
        return picture

    def reference(self, path, codec, reference_codec, replace=False):
        text = decoded(path, codec)
        if replace:
            text = HANGUL_SYLLABLE.sub(UNDRAWABLE, text)
        suffix = "-boxes" if replace else "-reference"
        return write_text(text, copy_name(self.home.books, path, suffix), reference_codec)

    def assert_shows_korean(self, name, codec, reference_codec="utf-16"):
        path = corpus_file(name)
        shown = self.first_page(path)
        self.assertGreater(shown.count_pixels_unlike(shown.colour(0, 0)), 1000,
                           "the page is blank")
        self.assertEqual(shown, self.first_page(self.reference(path, codec, reference_codec)),
                         "the text differs from its reference")
        self.assertNotEqual(
            shown, self.first_page(self.reference(path, codec, reference_codec, replace=True)),
            "Hangul shows as boxes")

    def test_code_page_949_text(self):
        self.assert_shows_korean("ko-cp949-novel-02.txt", "cp949")

    def test_utf8_text(self):
        self.assert_shows_korean("ko-utf8-wiki-01.txt", "utf-8")

    def test_utf16_text(self):
        self.assert_shows_korean("ko-utf16le-bom-novel-05.txt", "utf-16", reference_codec="utf-8")

    def test_euc_kr_html_page(self):
        # The reference is the same page, so the conversion to text is the reader's in both.
        self.assert_shows_korean("ko-euckr-page-02.htm", "cp949")
