"""Turning pages as a reader does: taps on the page, the bar's buttons, the arrow keys, Page Down,
Page Up and Space, the mouse wheel and a key given a reading function in the settings file; and
full screen by a double tap in the middle or Return."""

from EndToEnd import ReaderTestCase, corpus_file
from VirtualDesktop import SCREEN_HEIGHT, SCREEN_WIDTH, wait_until

BOOK = corpus_file("ko-utf8-novel-01.txt")
NEXT_PAGE_FUNCTION = 2  # "다음 페이지" in the list of functions a key can carry
LINES_PER_NOTCH = 3  # the toolkit's own number where the desktop sets none
WHEEL_AWAY, WHEEL_TOWARDS = "4", "5"  # the X buttons a wheel notch gives


class PagingTest(ReaderTestCase):
    def step(self, reader, forward, back):
        """forward (a key's name or an action) turns from the page shown to another, which
        stays; back returns. Gives the page turned to."""
        def act(action):
            return reader.press_keys(action) if isinstance(action, str) else action()
        first = reader.settled_picture()
        turned = reader.picture_after(lambda: act(forward), first)
        self.assertTrue(reader.stays(turned), "the page went on moving")
        act(back)
        self.assertTrue(reader.wait_for_picture(first), "going back did not show the page before")
        return turned

    def assert_a_notch_steps_the_lines(self, reader, line_key):
        notch = self.step(reader, lambda: reader.tap(1, 1, button=WHEEL_TOWARDS),
                          lambda: reader.tap(1, 1, button=WHEEL_AWAY))
        reader.press_keys(*[line_key] * LINES_PER_NOTCH)
        self.assertTrue(reader.wait_for_picture(notch), "not %d lines a notch" % LINES_PER_NOTCH)

    def test_taps_buttons_keys_and_the_wheel_turn_the_same_pages_and_toggle_full_screen(self):
        # Pages share a line, which Page Down must do too. F5 is the fifth application button;
        # slot 0 carries "다음 페이지", slot 1 nothing.
        reader = self.start_on_document(BOOK, nShareLine=1, KeyCode0=0xC5,
                                        KeyFunc0=NEXT_PAGE_FUNCTION, KeyCode1=0xC6, KeyFunc1=0)
        first = reader.settled_picture()
        # A tap in the middle third, back from the first page, and a key doing nothing.
        for nothing in (lambda: reader.tap(1, 1), lambda: reader.tap(1, 0),
                        lambda: reader.press_keys("F6")):
            nothing()
            self.assertTrue(reader.stays(first))
        next_page = self.step(reader, lambda: reader.tap(1, 2), lambda: reader.tap(1, 0))
        for forward, back in ((lambda: reader.press_button(0), lambda: reader.press_button(1)),
                              ("Down", "Up"), ("F5", "Up"), ("Next", "Prior"), ("space", "Prior")):
            self.assertEqual(self.step(reader, forward, back), next_page,
                             "not the page a tap in the lower third turns to")
        self.assertNotEqual(self.step(reader, "Right", "Left"), next_page, "Right turned a page")
        self.assert_a_notch_steps_the_lines(reader, "Right")

        normal, full = reader.geometry(), (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)
        self.assertNotEqual(normal, full)
        for toggle in (lambda: reader.tap(1, 1, repeat=2), lambda: reader.press_keys("Return")):
            for geometry, bar in ((full, False), (normal, True)):
                toggle()
                self.assertTrue(wait_until(lambda: reader.geometry() == geometry, 10),
                                "the window is at %r, not %r" % (reader.geometry(), geometry))
                reader.measure(bar)
                self.assertEqual(reader.bar.height > 0, bar,
                                 "the menu bar shows, and only out of full screen")

    def test_turned_view_steps_with_up_and_down_by_lines_and_left_and_right_by_pages(self):
        reader = self.start_on_document(BOOK, bRotate=1)
        next_line = self.step(reader, "Up", "Down")
        next_page = self.step(reader, "Right", "Left")
        self.assertNotEqual(next_line, next_page)
        self.assertEqual(self.step(reader, lambda: reader.tap(2, 1), lambda: reader.tap(0, 1)),
                         next_page, "a tap in the right third did not turn as Right")
        self.assert_a_notch_steps_the_lines(reader, "Up")
