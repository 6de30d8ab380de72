"""Starting the reader: with no settings at all, on the document read last, and after that
document has gone."""

import os

from ReaderSession import PRODUCT_TITLE
from ReaderTestCase import ReaderTestCase
from RegistryFile import DEFAULT_VALUES, recent_file_values


class StartUpTest(ReaderTestCase):
    def test_first_start_shows_an_empty_window_and_its_close_saves_the_defaults(self):
        reader = self.start_reader()
        self.assertTrue(reader.wait_for_title(PRODUCT_TITLE), "title %r" % reader.title())
        self.assertEqual(reader.measure().text_pixels(), 0, "the page is not empty")
        self.assertFalse(os.path.exists(self.home.user_reg), "settings written before the close")

        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings(), DEFAULT_VALUES)

    def test_a_document_that_has_vanished_leaves_the_window_empty_without_a_message(self):
        path = os.path.join(self.home.books, "gone.txt")
        with open(path, "w", encoding="utf-8") as file:
            file.write("잠깐 있다가 사라질 글\n")
        self.home.write_settings(recent_file_values([(path, 0)]))
        os.remove(path)

        reader = self.start_reader()
        # The start-up timer has long fired once the picture is still after a second.
        self.assertTrue(reader.picture_unchanged_after(lambda: None, reader.settled_picture()))
        self.assertEqual(reader.title(), PRODUCT_TITLE)
        self.assertEqual(reader.windows(), [reader.window], "a message or dialog opened")
        self.assertEqual(reader.measure().text_pixels(), 0, "the page is not empty")
