"""Turning pages as a reader does: taps on the page, the bar's buttons, the arrow keys and Return,
and a hardware key given a reading function in the settings file."""

from EndToEnd import ReaderTestCase, corpus_file
from VirtualDesktop import SCREEN_HEIGHT, SCREEN_WIDTH, wait_until

BOOK = corpus_file("ko-utf8-novel-01.txt")
NEXT_PAGE_FUNCTION = 2  # "다음 페이지" in the list of functions a key can carry


def act(reader, action):
    """Presses the key action names, or does action."""
    return reader.press_keys(action) if isinstance(action, str) else action()


class PagingTest(ReaderTestCase):
    def assert_pages_forward_and_back(self, reader, forward, back):
        """forward turns from the page shown to another, which stays; back returns. Gives the
        page turned to."""
        first = reader.settled_picture()
        second = reader.picture_after(lambda: act(reader, forward), first)
        self.assertTrue(reader.stays(second), "the page went on moving")
        act(reader, back)
        self.assertTrue(reader.wait_for_picture(first), "going back did not show the first page")
        return second

    def test_taps_in_the_outer_thirds_turn_pages_and_the_middle_third_does_not(self):
        reader = self.start_on_document(BOOK)
        first = reader.settled_picture()
        reader.tap(1, 1)
        self.assertTrue(reader.stays(first))
        # Back from the first page stays there.
        reader.tap(1, 0)
        self.assertTrue(reader.stays(first))
        self.assert_pages_forward_and_back(reader, lambda: reader.tap(1, 2),
                                           lambda: reader.tap(1, 0))

    def test_the_bar_buttons_turn_the_same_pages_as_the_taps(self):
        reader = self.start_on_document(BOOK)
        by_tap = self.assert_pages_forward_and_back(reader, lambda: reader.tap(1, 2),
                                                    lambda: reader.tap(1, 0))
        by_button = self.assert_pages_forward_and_back(reader, lambda: reader.press_button(0),
                                                       lambda: reader.press_button(1))
        self.assertEqual(by_button, by_tap)

    def test_a_double_tap_in_the_middle_and_return_toggle_full_screen(self):
        reader = self.start_on_document(BOOK)
        normal, full = reader.geometry(), (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)
        self.assertNotEqual(normal, full)
        for toggle in (lambda: reader.tap(1, 1, repeat=2), lambda: reader.press_keys("Return")):
            for geometry, bar in ((full, False), (normal, True)):
                toggle()
                self.assertTrue(wait_until(lambda: reader.geometry() == geometry, 10),
                                "the window is at %r, not %r" % (reader.geometry(), geometry))
                reader.measure()
                self.assertEqual(reader.bar.height > 0, bar,
                                 "the menu bar shows, and only out of full screen")

    def test_the_arrow_keys_step_by_lines_and_pages(self):
        reader = self.start_on_document(BOOK)
        next_page = self.assert_pages_forward_and_back(reader, "Down", "Up")
        next_line = self.assert_pages_forward_and_back(reader, "Right", "Left")
        self.assertNotEqual(next_line, next_page)
        by_tap = reader.picture_after(lambda: reader.tap(1, 2))
        self.assertEqual(by_tap, next_page, "Down did not turn a page")

    def test_turned_view_steps_with_up_and_down_by_lines_and_left_and_right_by_pages(self):
        reader = self.start_on_document(BOOK, bRotate=1)
        next_line = self.assert_pages_forward_and_back(reader, "Up", "Down")
        next_page = self.assert_pages_forward_and_back(reader, "Right", "Left")
        self.assertNotEqual(next_line, next_page)
        by_tap = self.assert_pages_forward_and_back(reader, lambda: reader.tap(2, 1),
                                                    lambda: reader.tap(0, 1))
        self.assertEqual(by_tap, next_page, "Right did not turn a page")

    def test_a_key_given_next_page_in_the_settings_turns_a_page(self):
        # F5 is the fifth application button; slot 0 carries "다음 페이지", slot 1 nothing.
        reader = self.start_on_document(BOOK, KeyCode0=0xC5, KeyFunc0=NEXT_PAGE_FUNCTION,
                                        KeyCode1=0xC6, KeyFunc1=0)
        first = reader.settled_picture()
        reader.press_keys("F6")
        self.assertTrue(reader.stays(first))
        by_key = self.assert_pages_forward_and_back(reader, "F5", "Up")
        by_tap = reader.picture_after(lambda: reader.tap(1, 2), first)
        self.assertEqual(by_key, by_tap)
