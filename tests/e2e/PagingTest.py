"""Turning pages as a reader does: taps on the page, the bar's buttons, the arrow keys and Return,
and a hardware key given a reading function in the settings file."""

from ReaderTestCase import ReaderTestCase, corpus_file
from VirtualDesktop import SCREEN_HEIGHT, SCREEN_WIDTH, wait_until

BOOK = corpus_file("ko-utf8-novel-01.txt")
NEXT_PAGE_FUNCTION = 2  # "다음 페이지" in the list of functions a key can carry


class PagingTest(ReaderTestCase):
    def tap(self, reader, third, repeat=1):
        """A tap in the middle of the upper (0), middle (1) or lower (2) third of the page, as
        the page was last measured."""
        def tap():
            regions = reader.regions
            y = regions.page_height * (2 * third + 1) // 6
            reader.click(regions.picture.width // 2, y, repeat)
        return tap

    def tap_across(self, reader, third):
        """A tap in the left (0) or right (2) third, at half height: the thirds of a turned
        view."""
        regions = reader.regions
        x = regions.picture.width * (2 * third + 1) // 6
        return lambda: reader.click(x, regions.page_height // 2)

    def button(self, reader, from_right):
        """A click on a button of the bar, counted from its right end (0 is the last)."""
        regions = reader.regions
        buttons = regions.bar_buttons()
        self.assertGreaterEqual(len(buttons), 8, "the bar's buttons were not found")
        return lambda: reader.click(buttons[-1 - from_right], regions.bar_centre_y())

    def keys(self, reader, *names):
        return lambda: reader.press_keys(*names)

    def assert_pages_forward_and_back(self, reader, forward, back):
        first = reader.settled_picture()
        second = reader.picture_after(forward, first)
        self.assertNotEqual(second, first, "no page turned forward")
        self.assertTrue(reader.picture_unchanged_after(lambda: None, second))
        back()
        self.assertTrue(reader.wait_for_picture(first), "going back did not show the first page")
        return second

    def test_taps_in_the_outer_thirds_turn_pages_and_the_middle_third_does_not(self):
        reader = self.start_on_document(BOOK)
        first = reader.settled_picture()
        self.assertTrue(reader.picture_unchanged_after(self.tap(reader, 1), first))
        # Back from the first page stays there.
        self.assertTrue(reader.picture_unchanged_after(self.tap(reader, 0), first))
        self.assert_pages_forward_and_back(reader, self.tap(reader, 2), self.tap(reader, 0))

    def test_the_bar_buttons_turn_the_same_pages_as_the_taps(self):
        reader = self.start_on_document(BOOK)
        by_tap = self.assert_pages_forward_and_back(reader, self.tap(reader, 2),
                                                    self.tap(reader, 0))
        by_button = self.assert_pages_forward_and_back(reader, self.button(reader, 0),
                                                       self.button(reader, 1))
        self.assertEqual(by_button, by_tap)

    def test_a_double_tap_in_the_middle_and_return_toggle_full_screen(self):
        reader = self.start_on_document(BOOK)
        normal = reader.geometry()
        self.assertNotEqual(normal, (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT))
        for toggle in (self.tap(reader, 1, repeat=2), self.keys(reader, "Return")):
            toggle()
            self.assertTrue(
                wait_until(lambda: reader.geometry() == (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), 10),
                "not full screen: %r" % (reader.geometry(),))
            self.assertFalse(reader.measure().has_bar(), "the menu bar shows in full screen")
            toggle()
            self.assertTrue(wait_until(lambda: reader.geometry() == normal, 10),
                            "not back to the normal window %r: %r" % (normal, reader.geometry()))
            self.assertTrue(reader.measure().has_bar(), "the menu bar did not come back")

    def test_the_arrow_keys_step_by_lines_and_pages(self):
        reader = self.start_on_document(BOOK)
        next_page = self.assert_pages_forward_and_back(reader, self.keys(reader, "Down"),
                                                       self.keys(reader, "Up"))
        next_line = self.assert_pages_forward_and_back(reader, self.keys(reader, "Right"),
                                                       self.keys(reader, "Left"))
        self.assertNotEqual(next_line, next_page)
        by_tap = reader.picture_after(self.tap(reader, 2), reader.settled_picture())
        self.assertEqual(by_tap, next_page, "Down did not turn a page")

    def test_turned_view_steps_with_up_and_down_by_lines_and_left_and_right_by_pages(self):
        reader = self.start_on_document(BOOK, bRotate=1)
        next_line = self.assert_pages_forward_and_back(reader, self.keys(reader, "Up"),
                                                       self.keys(reader, "Down"))
        next_page = self.assert_pages_forward_and_back(reader, self.keys(reader, "Right"),
                                                       self.keys(reader, "Left"))
        self.assertNotEqual(next_line, next_page)
        by_tap = self.assert_pages_forward_and_back(reader, self.tap_across(reader, 2),
                                                    self.tap_across(reader, 0))
        self.assertEqual(by_tap, next_page, "Right did not turn a page")

    def test_a_key_given_next_page_in_the_settings_turns_a_page(self):
        # F5 is the fifth application button; slot 0 carries "다음 페이지", slot 1 nothing.
        reader = self.start_on_document(BOOK, KeyCode0=0xC5, KeyFunc0=NEXT_PAGE_FUNCTION,
                                        KeyCode1=0xC6, KeyFunc1=0)
        first = reader.settled_picture()
        self.assertTrue(reader.picture_unchanged_after(self.keys(reader, "F6"), first))
        by_key = reader.picture_after(self.keys(reader, "F5"), first)
        self.assertNotEqual(by_key, first, "the mapped key did not turn a page")
        reader.press_keys("Up")
        self.assertTrue(reader.wait_for_picture(first))
        by_tap = reader.picture_after(self.tap(reader, 2), first)
        self.assertEqual(by_key, by_tap)
