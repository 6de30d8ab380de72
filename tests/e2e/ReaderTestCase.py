"""The base of every end-to-end test: one desktop for the tests of a module, and for each test a
fresh user (settings, runtime folder, session bus) whose readers are stopped when it ends."""

import os
import shutil
import tempfile
import unittest

from ReaderSession import PRODUCT_TITLE, Reader, ReaderHome
from SessionBus import SessionBus
from VirtualDesktop import VirtualDesktop

# Set by the runner from its command line.
BINARY = os.environ.get("SORNA_E2E_BINARY", "")
CORPUS = os.environ.get("SORNA_E2E_CORPUS", "")
FAILURE_FOLDER = os.environ.get("SORNA_E2E_FAILURES", "")


def corpus_file(name):
    return os.path.join(CORPUS, name)


def document_title(path):
    return os.path.basename(path) + " - " + PRODUCT_TITLE


class ReaderTestCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls._scratch = tempfile.mkdtemp(prefix="sorna-e2e-")
        cls.desktop = VirtualDesktop(cls._scratch)
        cls.desktop.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.__exit__(None, None, None)
        shutil.rmtree(cls._scratch, ignore_errors=True)

    def setUp(self):
        self.home = ReaderHome(tempfile.mkdtemp(dir=self._scratch))
        self.bus = SessionBus().__enter__()
        self.addCleanup(self.bus.__exit__, None, None, None)
        self.readers = []

    def tearDown(self):
        self._keep_pictures_of_failure()
        for reader in self.readers:
            reader.stop()

    def start_reader(self, *arguments, wait=True):
        """Starts the installed reader for this test's user; waits for its window."""
        reader = Reader(BINARY, self.home, self.desktop, self.bus, arguments)
        self.readers.append(reader)
        if wait:
            reader.wait_for_window()
        return reader

    def start_on_document(self, path, position=0, **settings):
        """Starts a reader whose settings name path as the most recent file at position; waits
        until the document shows."""
        values = {"nRecentFileCount": 1, "RFNAME00": path, "RFPOS00": position}
        values.update(settings)
        self.home.write_settings(values)
        return self.start_showing(path)

    def start_showing(self, path):
        """Starts a reader with the settings as they are; waits until it shows path."""
        reader = self.start_reader()
        self.assertTrue(reader.wait_for_title(document_title(path)),
                        "title stayed %r" % reader.title())
        reader.measure()
        return reader

    def _keep_pictures_of_failure(self):
        # A failure is on the result's lists by the time the test's tear-down runs.
        result = getattr(getattr(self, "_outcome", None), "result", None)
        failed = result is not None and any(
            test is self for test, _ in result.failures + result.errors)
        if not failed or not FAILURE_FOLDER:
            return
        os.makedirs(FAILURE_FOLDER, exist_ok=True)
        for number, reader in enumerate(self.readers):
            if reader.window is not None and reader.process.poll() is None:
                name = "%s-%d.png" % (self.id().rsplit(".", 2)[-1], number)
                try:
                    reader.picture().save_png(os.path.join(FAILURE_FOLDER, name))
                except Exception:  # the window may be gone by now
                    pass
