"""Runs end-to-end test modules against an installed reader, on one desktop for them all:
    EndToEnd.py PREFIX/bin/sorna CORPUS_FOLDER FAILURES_FOLDER MODULE...
Exits with 77 (skipped) when no X server can be had, unless SORNA_E2E_REQUIRED is set."""

import contextlib
import os
import subprocess
import sys
import tempfile
import unittest

from ReaderSession import PRODUCT_TITLE, Reader, ReaderHome, recent_file_values
from VirtualDesktop import DesktopUnavailable, VirtualDesktop, first_line, stop_process

BINARY = CORPUS = FAILURES = SCRATCH = DESKTOP = None  # set by main


def corpus_file(name):
    return os.path.join(CORPUS, name)


def document_title(path):
    return os.path.basename(path) + " - " + PRODUCT_TITLE


class ReaderTestCase(unittest.TestCase):
    """Each test has a user of its own (folders, session bus); its readers end with it."""

    def setUp(self):
        self.desktop = DESKTOP
        self.home = ReaderHome(tempfile.mkdtemp(dir=SCRATCH))
        # A session bus of its own keeps the reader from the desktop services of whoever runs the
        # tests.
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.addCleanup(bus.stdout.close)
        self.addCleanup(stop_process, bus)
        self.bus_address = first_line(bus.stdout)
        if not self.bus_address:
            raise RuntimeError("the session bus did not start")
        self.readers = []

    def tearDown(self):
        # A failure is on the result's lists by the time the test's tear-down runs.
        result = self._outcome.result
        if any(test is self for test, _ in result.failures + result.errors):
            os.makedirs(FAILURES, exist_ok=True)
            name = self.id().rsplit(".", 1)[-1]
            for number, reader in enumerate(self.readers):
                with contextlib.suppress(Exception):  # the window may be gone by now
                    picture = reader.picture()
                    header = b"P6 %d %d 255\n" % (picture.width, picture.height)
                    with open(os.path.join(FAILURES, "%s-%d.ppm" % (name, number)), "wb") as file:
                        file.write(header + picture.rgb())
        for reader in self.readers:
            reader.stop()

    def start_reader(self, *arguments, folder=None):
        reader = Reader(BINARY, self.home, self.desktop, self.bus_address, arguments, folder)
        self.readers.append(reader)
        return reader

    def start_showing(self, path):
        """Starts a reader with the settings as they are, which must show path."""
        reader = self.start_reader()
        reader.wait_for_window(document_title(path))
        reader.measure()
        return reader

    def popup_shown(self):
        """A menu is open: a popup is an unmanaged window of its own."""
        from Xlib import X  # where the desktop could start, the library is there
        attributes = (window.get_attributes() for window in
                      self.desktop.connection.screen().root.query_tree().children)
        return any(a.override_redirect and a.map_state == X.IsViewable for a in attributes)

    def start_on_document(self, path, position=0, **settings):
        """Starts a reader whose settings name path, at position, as the document read last."""
        self.home.write_settings({**recent_file_values([(path, position)]), **settings})
        return self.start_showing(path)


def main():
    global BINARY, CORPUS, FAILURES, SCRATCH, DESKTOP
    BINARY, CORPUS, FAILURES, *modules = sys.argv[1:]
    with tempfile.TemporaryDirectory(prefix="sorna-e2e-") as SCRATCH:
        try:
            DESKTOP = VirtualDesktop(SCRATCH)
        except DesktopUnavailable as error:
            print("no test desktop: %s" % error)
            return 1 if os.environ.get("SORNA_E2E_REQUIRED") else 77
        with contextlib.closing(DESKTOP):
            suite = unittest.defaultTestLoader.loadTestsFromNames(modules)
            return 0 if unittest.TextTestRunner(verbosity=2).run(suite).wasSuccessful() else 1


if __name__ == "__main__":
    import EndToEnd  # the copy the test modules import, which must see what main sets

    sys.exit(EndToEnd.main())
