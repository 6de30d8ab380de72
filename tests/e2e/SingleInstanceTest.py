"""One reader per user: a second start hands over to the running reader and ends."""

from EndToEnd import ReaderTestCase, corpus_file, document_title
from VirtualDesktop import SCREEN_HEIGHT, SCREEN_WIDTH, wait_until

BOOK = corpus_file("ko-utf8-novel-03.txt")
OTHER_BOOK = corpus_file("ko-cp949-novel-01.txt")


class SingleInstanceTest(ReaderTestCase):
    def test_a_second_start_ends_with_0_and_brings_the_first_to_the_front_unchanged(self):
        first = self.start_on_document(BOOK)
        reading = first.picture_after(lambda: first.press_keys("Down"))
        # Another program's window over the whole screen, made the active one.
        screen = self.desktop.connection.screen()
        other = screen.root.create_window(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, 0, screen.root_depth,
                                          background_pixel=screen.white_pixel)
        other.set_wm_name("another program")
        other.map()
        self.addCleanup(lambda: other.destroy() or self.desktop.connection.flush())
        self.assertTrue(wait_until(lambda: other.id in self.desktop.client_windows(), 10))
        self.desktop.run_input("windowactivate", "--sync", str(other.id))
        self.assertTrue(wait_until(lambda: self.desktop.active_window() == other.id, 10))
        self.assertNotEqual(self.desktop.client_windows()[-1], first.window)

        # The command line names another document, which the running reader must not open.
        second = self.start_reader(OTHER_BOOK)
        self.assertEqual(second.wait_for_exit(), 0, second.failure_output())
        self.assertEqual(second.windows(), [])
        self.assertTrue(wait_until(lambda: self.desktop.client_windows()[-1] == first.window,
                                   10), "the first reader did not come to the front")
        self.assertTrue(wait_until(lambda: self.desktop.active_window() == first.window, 10),
                        "the first reader did not become active")
        self.assertEqual(first.title(), document_title(BOOK))
        self.assertEqual(first.settled_picture(), reading)
