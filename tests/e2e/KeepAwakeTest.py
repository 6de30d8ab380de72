"""Auto-scroll keeps the desktop awake: the installed reader holds the screen saver's inhibition
while the text scrolls by itself, gives it back when it ends, and a killed reader holds nothing,
since the bus tells the desktop that its name has gone."""

from ReaderTestCase import ReaderTestCase, corpus_file
from StandInDesktop import StandInDesktop

BOOK = corpus_file("ko-cp949-novel-01.txt")
INHIBIT = "Inhibit Sorna 자동읽기 중 -> 4101"  # the stand-in's first cookie is 4101
FAST_PACE = 10  # milliseconds a letter, so that a line steps within a second or two
AUTO_SCROLL_FROM_RIGHT = 3  # "자동", before "열기", " ▲ " and " ▼ " at the bar's right end


class KeepAwakeTest(ReaderTestCase):
    def setUp(self):
        super().setUp()
        self.desktop_service = StandInDesktop(self.bus)
        self.addCleanup(self.desktop_service.stop)

    def start_auto_scroll(self, reader):
        """A click on the bar's "자동" button; returns the calls once the inhibition is taken."""
        buttons = reader.regions.bar_buttons()
        self.assertGreaterEqual(len(buttons), 8, "the bar's buttons were not found")
        # Activated first: the activation itself would stop auto-scroll again.
        reader.activate()
        reader.click(buttons[-1 - AUTO_SCROLL_FROM_RIGHT], reader.regions.bar_centre_y())
        calls = self.desktop_service.wait_for_call(INHIBIT)
        self.assertIsNotNone(calls, "no inhibition: %r" % self.desktop_service.calls())
        return calls

    def test_a_reader_killed_while_scrolling_leaves_nothing_held(self):
        reader = self.start_on_document(BOOK, nAutoScrollSpeed=FAST_PACE)
        self.assertEqual(self.desktop_service.calls(), [], "a call before auto-scroll")
        first = reader.settled_picture()
        self.assertEqual(self.start_auto_scroll(reader)[0], INHIBIT)
        # The text moves by itself, and each step counts as the user's activity.
        self.assertIsNotNone(self.desktop_service.wait_for_call("SimulateUserActivity"))
        self.assertNotEqual(reader.picture_after(lambda: None, first), first, "no line stepped")

        reader.kill()
        calls = self.desktop_service.wait_for_call("Vanished 4101")
        self.assertIsNotNone(calls, "the inhibition outlived the reader: %r"
                             % self.desktop_service.calls())
        steps = len(calls) - 2
        self.assertEqual(calls, [INHIBIT] + ["SimulateUserActivity"] * steps + ["Vanished 4101"])

    def test_closing_the_reader_while_scrolling_gives_the_inhibition_back(self):
        reader = self.start_on_document(BOOK)
        self.start_auto_scroll(reader)
        self.assertEqual(reader.close(), 0)
        calls = self.desktop_service.wait_for_call("UnInhibit 4101")
        self.assertIsNotNone(calls, "not given back: %r" % self.desktop_service.calls())
        self.assertEqual([line for line in calls if line != "SimulateUserActivity"],
                         [INHIBIT, "UnInhibit 4101"])
