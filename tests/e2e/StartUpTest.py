"""Starting the reader: with no settings at all, and on the document read last after it has
gone."""

import os

from EndToEnd import ReaderTestCase
from ReaderSession import DEFAULT_VALUES, PRODUCT_TITLE, recent_file_values


class StartUpTest(ReaderTestCase):
    def test_first_start_shows_an_empty_window_and_its_close_saves_the_defaults(self):
        reader = self.start_reader()
        reader.wait_for_window(PRODUCT_TITLE)
        reader.measure()
        self.assertEqual(reader.picture().ink(), 0, "the page is not empty")
        self.assertFalse(os.path.exists(self.home.user_reg), "settings written before the close")

        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings(), DEFAULT_VALUES)

    def test_a_document_that_has_vanished_leaves_the_window_empty_without_a_message(self):
        path = self.home.write_book("gone.txt", "", "잠깐 있다가 사라질 글\n", "utf-8")
        self.home.write_settings(recent_file_values([(path, 0)]))
        os.remove(path)

        reader = self.start_reader()
        reader.wait_for_window(PRODUCT_TITLE)
        reader.measure()
        # The start-up timer has long fired once the picture is still after a second.
        self.assertTrue(reader.stays(reader.settled_picture()))
        self.assertEqual(reader.title(), PRODUCT_TITLE)
        self.assertEqual(reader.windows(), [reader.window], "a message or dialog opened")
        self.assertEqual(reader.picture().ink(), 0, "the page is not empty")
