"""Where reading resumes: after a kill where the minute's save put it (in a file that loads
completely), and after a close at the page left."""

import os

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import FIRST_SAVE, read_values, recent_files
from VirtualDesktop import wait_until

BOOK = corpus_file("ko-utf8-novel-01.txt")
SAVE_TIMEOUT = 80  # seconds: the save runs a minute after the start


class ReadingPositionTest(ReaderTestCase):
    def test_a_kill_after_the_minute_save_and_a_close_resume_where_reading_stopped(self):
        # Stored at its start, so a position beyond it can only come from the save.
        reader = self.start_on_document(BOOK)
        reading = reader.picture_after(lambda: reader.press_keys("Down"))
        saved = wait_until(lambda: recent_files(self.home.settings())[0][1], SAVE_TIMEOUT,
                           interval=0.5)
        self.assertGreater(saved, 0, "no save within %d seconds" % SAVE_TIMEOUT)
        reader.stop()
        values = self.home.settings()  # raises on any line that does not read back
        self.assertLessEqual(read_values(FIRST_SAVE).keys(), values.keys())
        self.assertEqual(os.listdir(os.path.dirname(self.home.user_reg)), ["user.reg"],
                         "a save left something beside the settings")

        reader = self.start_showing(BOOK)
        self.assertEqual(reader.settled_picture(), reading)
        reading = reader.picture_after(lambda: reader.press_keys("Down"))
        self.assertEqual(reader.close(), 0)
        [(path, position)] = recent_files(self.home.settings())
        self.assertEqual(path, BOOK)
        self.assertGreater(position, saved)
        self.assertEqual(self.start_showing(BOOK).settled_picture(), reading)
