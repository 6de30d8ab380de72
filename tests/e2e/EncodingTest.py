"""An encoding chosen by hand in a real window: the 인코딩 submenu of 보기 rereads the open document
in it, and the choice is kept with the document for the next start."""

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import PICTURE_TIMEOUT
from VirtualDesktop import wait_until

JOHAB = corpus_file("odd-ko-johab.txt")
# In 보기, past its eight items and 테마 to 인코딩; in 인코딩, past 자동 and five encodings to 조합형.
TO_ENCODINGS, TO_JOHAB = 10, 5


class EncodingTest(ReaderTestCase):
    def test_a_chosen_encoding_rereads_the_document_and_survives_a_restart(self):
        reader = self.start_on_document(JOHAB)
        garbled = reader.settled_picture()
        reader.press_button(6)  # 보기
        self.assertTrue(wait_until(self.popup_shown, PICTURE_TIMEOUT), "the menu did not open")
        reader.press_keys(*["Down"] * TO_ENCODINGS, "Right", *["Down"] * TO_JOHAB, "Return")
        readable = reader.picture_after(lambda: None, garbled)
        self.assertNotEqual(readable, garbled, "the page did not change")
        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings()["RFENC00"], "Johab")
        again = self.start_showing(JOHAB)
        self.assertTrue(again.wait_for_picture(readable), "the next start read it otherwise")
