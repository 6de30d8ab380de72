"""A reader killed without warning loses at most the last minute: the save that runs every
minute has stored the reading position, in a file that loads completely."""

import os

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import DEFAULT_VALUES, recent_files
from VirtualDesktop import wait_until

BOOK = corpus_file("ko-utf8-novel-02.txt")
SAVE_TIMEOUT = 80  # seconds: the save runs a minute after the start


class MinuteSaveTest(ReaderTestCase):
    def test_a_kill_after_the_minute_save_resumes_at_the_saved_position(self):
        # Stored at its start, so a position beyond it can only come from the save.
        reader = self.start_on_document(BOOK)
        reading = reader.picture_after(lambda: reader.press_keys("Down", "Down"))
        self.assertTrue(wait_until(lambda: recent_files(self.home.settings())[0][1] > 0,
                                   SAVE_TIMEOUT, interval=0.5),
                        "no save within %d seconds" % SAVE_TIMEOUT)
        reader.stop()

        values = self.home.settings()  # raises on any line that does not read back
        self.assertLessEqual(DEFAULT_VALUES.keys(), values.keys())
        self.assertEqual(os.listdir(os.path.dirname(self.home.user_reg)), ["user.reg"],
                         "a save left something beside the settings")
        self.assertEqual(self.start_showing(BOOK).settled_picture(), reading)
