"""A reader killed without warning loses at most the last minute: the save that runs every
minute has stored the reading position, in a file that loads completely."""

import os

from RegistryFile import DEFAULT_VALUES, recent_files
from ReaderTestCase import ReaderTestCase, corpus_file
from VirtualDesktop import wait_until

BOOK = corpus_file("ko-utf8-novel-02.txt")
SAVE_TIMEOUT = 80  # seconds: the save runs a minute after the start


class MinuteSaveTest(ReaderTestCase):
    def saved_position(self):
        """The stored position of the book once a save has written one beyond the start."""
        if not os.path.exists(self.home.user_reg):
            return None
        entries = recent_files(self.home.settings())
        return entries[0][1] if entries and entries[0][0] == BOOK and entries[0][1] > 0 else None

    def test_a_kill_after_the_minute_save_resumes_at_the_saved_position(self):
        # Stored at its start, so a position beyond it can only come from the save.
        reader = self.start_on_document(BOOK)
        first = reader.settled_picture()
        reader.press_keys("Down", "Down")
        reading = reader.picture_after(lambda: None, first)
        self.assertNotEqual(reading, first)

        self.assertTrue(wait_until(self.saved_position, SAVE_TIMEOUT, interval=0.5),
                        "no save within %d seconds" % SAVE_TIMEOUT)
        reader.kill()

        values = self.home.settings()  # raises on any line that does not read back
        self.assertLessEqual(DEFAULT_VALUES.keys(), values.keys())
        self.assertEqual(sorted(os.listdir(os.path.dirname(self.home.user_reg))),
                         ["user.reg"], "a save left something beside the settings")
        again = self.start_showing(BOOK)
        self.assertEqual(again.settled_picture(), reading)
