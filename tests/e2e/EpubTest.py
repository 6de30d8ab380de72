"""An EPUB book in a real window: opened from the command line, its own table of contents in the
책 menu's 목차, and the place in it kept for the next start."""

import os
import sys

from EndToEnd import CORPUS, ReaderTestCase, document_title
from ReaderSession import PICTURE_TIMEOUT
from VirtualDesktop import wait_until

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import MakeBooks  # noqa: E402  (found through the path above)

BOOK_BUTTON = 5  # 책, counted from the bar's right end
SECOND_HALF = 3  # the third entry of the table, a link into the middle of the second chapter


class EpubTest(ReaderTestCase):
    def test_the_table_of_contents_leads_into_the_book_and_the_place_survives_a_restart(self):
        path = os.path.join(self.home.books, "소설.epub")
        MakeBooks.write_book(path, MakeBooks.nav_book(CORPUS))
        reader = self.start_reader(path)
        reader.wait_for_window(document_title(path))
        reader.measure()
        first = reader.settled_picture()
        reader.press_button(BOOK_BUTTON)
        self.assertTrue(wait_until(self.popup_shown, PICTURE_TIMEOUT), "the menu did not open")
        reader.press_keys("Down", "Return")  # 목차...
        self.assertTrue(wait_until(lambda: len(reader.windows()) == 2, PICTURE_TIMEOUT),
                        "no table of contents")
        self.desktop.run_input("key", "--delay", "40", *["Down"] * (SECOND_HALF - 1), "Return")
        self.assertTrue(wait_until(lambda: len(reader.windows()) == 1, PICTURE_TIMEOUT),
                        "the table of contents stayed")
        inside = reader.picture_after(lambda: None, first)
        self.assertEqual(reader.close(), 0)
        values = self.home.settings()
        self.assertEqual(values["RFNAME00"], path)
        self.assertGreater(values["RFPOS00"], 0)
        again = self.start_showing(path)
        self.assertTrue(again.wait_for_picture(inside), "the next start opened elsewhere")
