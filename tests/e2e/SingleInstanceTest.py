"""One reader per user: a second start hands over to the running reader and ends."""

from ReaderTestCase import ReaderTestCase, corpus_file, document_title
from VirtualDesktop import wait_until

BOOK = corpus_file("ko-utf8-novel-03.txt")
OTHER_BOOK = corpus_file("ko-cp949-novel-01.txt")


class SingleInstanceTest(ReaderTestCase):
    def test_a_second_start_ends_with_0_and_brings_the_first_to_the_front_unchanged(self):
        first = self.start_on_document(BOOK)
        reading = first.picture_after(lambda: first.press_keys("Down"),
                                      first.settled_picture())
        other = self.desktop.open_other_window("another program")
        self.addCleanup(self.desktop.destroy_window, other)
        self.assertNotEqual(self.desktop.stacking_order()[-1], first.window)

        # The command line names another document, which the running reader must not open.
        second = self.start_reader(OTHER_BOOK, wait=False)
        self.assertEqual(second.wait_for_exit(), 0, second.failure_output())
        self.assertEqual(second.windows(), [])
        self.assertTrue(wait_until(lambda: self.desktop.stacking_order()[-1] == first.window,
                                   10), "the first reader did not come to the front")
        self.assertTrue(wait_until(lambda: self.desktop.active_window() == first.window, 10),
                        "the first reader did not become active")
        self.assertEqual(first.title(), document_title(BOOK))
        self.assertEqual(first.settled_picture(), reading)
