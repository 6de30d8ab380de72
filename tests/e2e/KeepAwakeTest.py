"""Auto-scroll keeps the desktop awake: the installed reader holds the screen saver's inhibition
while the text scrolls by itself, each step counting as the user's activity, and gives it back
when the reader closes."""

import os
import subprocess

import dbus

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import PICTURE_TIMEOUT
from VirtualDesktop import stop_process, wait_until

BOOK = corpus_file("ko-cp949-novel-01.txt")
# The screen saver of tests/support, which records the calls it gets under this name.
STAND_IN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support",
                        "ScreenSaverStandIn.py")
RECORD = "org.sorna.StandIn"
CALL_TIMEOUT = 10  # seconds for the service to start or for a call to show in its record
INHIBIT = "Inhibit Sorna 자동읽기 중 -> 4101"  # the stand-in's first cookie is 4101
FAST_PACE = 10  # milliseconds a letter, so that a line steps within a second or two
AUTO_SCROLL_FROM_RIGHT = 3  # "자동", before "열기", " ▲ " and " ▼ " at the bar's right end


class KeepAwakeTest(ReaderTestCase):
    def calls(self):
        # As lines: "Inhibit Sorna <reason> -> 4101", "SimulateUserActivity", "UnInhibit 4101"...
        record = self.record.get_object(RECORD, "/Record")
        return [str(line) for line in record.Calls(dbus_interface=RECORD)]

    def assert_call_comes(self, line):
        self.assertTrue(wait_until(lambda: line in self.calls(), CALL_TIMEOUT),
                        "no %r in %r" % (line, self.calls()))
        return self.calls()

    def test_auto_scroll_holds_the_desktop_awake_until_the_reader_closes(self):
        service = subprocess.Popen(["/usr/bin/python3", STAND_IN, "screensaver"],
                                   env=dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.bus_address))
        self.addCleanup(stop_process, service)
        self.record = dbus.bus.BusConnection(self.bus_address)
        self.addCleanup(self.record.close)
        # The record's name is taken last, once every service is on the bus.
        self.assertTrue(wait_until(lambda: self.record.name_has_owner(RECORD), CALL_TIMEOUT),
                        "the stand-in screen saver did not start")
        reader = self.start_on_document(BOOK, nAutoScrollSpeed=FAST_PACE)
        self.assertEqual(self.calls(), [], "a call before auto-scroll")
        first = reader.settled_picture()
        # Activated first: the activation itself would stop auto-scroll again.
        reader.activate()
        reader.press_button(AUTO_SCROLL_FROM_RIGHT)
        # The text moves by itself, and each step counts as the user's activity.
        self.assert_call_comes("SimulateUserActivity")
        self.assertTrue(wait_until(lambda: reader.picture() != first, PICTURE_TIMEOUT),
                        "no line stepped")
        self.assertEqual(reader.close(), 0)
        calls = self.assert_call_comes("UnInhibit 4101")
        steps = len(calls) - 2
        self.assertEqual(calls, [INHIBIT] + ["SimulateUserActivity"] * steps + ["UnInhibit 4101"])
