"""Starting the reader: with no settings at all, on the document read last after it has gone, on
a file it is given (the first of two, named after "--"), a second time, which hands its file over
to the running reader and ends (a file the running reader cannot open too), and where reading
resumes after a kill (where the minute's save put it, in a file that loads completely) and after
a close; and a file the desktop opens with its default handler for text."""

import os
import pathlib
import shutil
import signal
import subprocess

import EndToEnd
from EndToEnd import ReaderTestCase, corpus_file, document_title
from ReaderSession import (EXIT_TIMEOUT, FIRST_SAVE, PRODUCT_TITLE, WINDOW_TIMEOUT, Reader,
                           read_values, recent_file_values)
from VirtualDesktop import SCREEN_HEIGHT, SCREEN_WIDTH, wait_until

BOOK = corpus_file("ko-utf8-novel-03.txt")
OTHER_BOOK = corpus_file("ko-cp949-novel-01.txt")
SAVE_TIMEOUT = 80  # seconds: the save runs a minute after the start


class StartUpTest(ReaderTestCase):
    def start_empty(self):
        reader = self.start_reader()
        reader.wait_for_window(PRODUCT_TITLE)
        reader.measure()
        # The start-up timer has long fired once the picture is still after a second. One line on
        # how to open a document, in the middle of the page, and no document or message instead.
        self.assertTrue(reader.stays(reader.settled_picture()))
        self.assertEqual(reader.windows(), [reader.window], "a message or dialog opened")
        page = reader.picture()
        middle = page.crop(0, page.height // 3, page.width, page.height // 3)
        self.assertGreater(middle.ink(), 0, "no line on how to open a document")
        self.assertEqual(middle.ink(), page.ink(), "more than one line in the middle")
        return reader

    def test_without_settings_or_document_the_page_says_how_to_open_one_and_a_close_saves_defaults(self):
        reader = self.start_empty()
        self.assertFalse(os.path.exists(self.home.user_reg), "settings written before the close")
        self.assertEqual(reader.close(), 0)
        self.assertEqual(pathlib.Path(self.home.user_reg).read_bytes(),
                         pathlib.Path(FIRST_SAVE).read_bytes())

        gone = os.path.join(self.home.books, "gone.txt")  # read last, and gone since
        self.home.write_settings(recent_file_values([(gone, 0)]))
        self.start_empty()

    def test_a_file_named_from_a_folder_opens_where_it_was_left_instead_of_the_last_one(self):
        copy = shutil.copy(BOOK, self.home.books)
        self.home.write_settings(recent_file_values([(OTHER_BOOK, 0), (copy, 5000)]))
        reader = self.start_reader(os.path.join("..", "books", os.path.basename(BOOK)),
                                   folder=self.home.home)
        reader.wait_for_window(document_title(BOOK))
        self.assertEqual(reader.close(), 0)
        values = self.home.settings()
        self.assertEqual(values["RFNAME00"], copy)
        self.assertTrue(4800 < values["RFPOS00"] <= 5000, values["RFPOS00"])

    def test_of_two_files_after_two_dashes_the_first_opens_and_the_start_says_so(self):
        first = shutil.copy(BOOK, os.path.join(self.home.books, "-first.txt"))
        reader = self.start_reader("--", os.path.basename(first), OTHER_BOOK,
                                   folder=self.home.books)
        reader.wait_for_window(document_title(first))
        self.assertEqual(reader.close(), 0)
        self.assertRegex(reader.failure_output(), r"sorna: .+ : -first\.txt\n")

    def test_the_desktops_default_handler_for_text_opens_the_file_in_the_reader(self):
        prefix = os.path.dirname(os.path.dirname(EndToEnd.BINARY))
        with open(os.path.join(self.home.config, "mimeapps.list"), "w") as file:
            file.write("[Default Applications]\ntext/plain=sorna.desktop\n")
        environment = Reader.environment(self.home, self.desktop, self.bus_address)
        environment.update(PATH=os.path.join(prefix, "bin") + ":" + environment["PATH"],
                           XDG_DATA_HOME=os.path.join(prefix, "share"), XDG_DATA_DIRS="/usr/share")
        subprocess.run(["gio", "open", BOOK], env=environment, check=True, timeout=EXIT_TIMEOUT)
        shown = wait_until(lambda: [window for window in self.desktop.client_windows()
                                    if self.desktop.window_title(window) == document_title(BOOK)],
                           WINDOW_TIMEOUT)
        self.assertTrue(shown, "the default handler showed no reader with the file")
        os.kill(self.desktop.window_pid(shown[0]), signal.SIGKILL)

    def test_a_second_start_ends_with_0_and_the_first_comes_to_the_front_with_its_file(self):
        first = self.start_on_document(BOOK)
        reading = first.picture_after(lambda: first.press_keys("Down"))
        # Another program's window over the whole screen, made the active one.
        screen = self.desktop.connection.screen()
        other = screen.root.create_window(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, 0, screen.root_depth,
                                          background_pixel=screen.white_pixel)
        other.map()
        self.addCleanup(lambda: other.destroy() or self.desktop.connection.flush())
        self.assertTrue(wait_until(lambda: other.id in self.desktop.client_windows(), 10))
        self.desktop.run_input("windowactivate", "--sync", str(other.id))
        self.assertTrue(wait_until(lambda: self.desktop.active_window() == other.id, 10))
        self.assertNotEqual(self.desktop.client_windows()[-1], first.window)

        # The command line names another document, which the running reader opens.
        second = self.start_reader(OTHER_BOOK)
        self.assertEqual(second.process.wait(timeout=EXIT_TIMEOUT), 0, second.failure_output())
        self.assertTrue(wait_until(lambda: self.desktop.client_windows()[-1] == first.window,
                                   10), "the first reader did not come to the front")
        self.assertTrue(wait_until(lambda: self.desktop.active_window() == first.window, 10),
                        "the first reader did not become active")
        self.assertTrue(wait_until(lambda: first.title() == document_title(OTHER_BOOK), 10))
        shown = first.settled_picture()
        self.assertNotEqual(shown, reading)

        # A file it cannot open: it says so, and once told goes on with its document.
        gone = self.start_reader(os.path.join(self.home.books, "gone.txt"))
        self.assertEqual(gone.process.wait(timeout=EXIT_TIMEOUT), 0, gone.failure_output())
        self.assertTrue(wait_until(lambda: len(first.windows()) == 2, 10), "no message")
        first.press_keys("Escape")
        self.assertTrue(wait_until(lambda: len(first.windows()) == 1, 10), first.failure_output())
        self.assertTrue(first.wait_for_picture(shown), first.failure_output())
        self.assertEqual(first.close(), 0)

    def test_a_kill_after_the_minute_save_and_a_close_resume_where_reading_stopped(self):
        # Stored at its start, so a position beyond it can only come from the save.
        reader = self.start_on_document(BOOK)
        reading = reader.picture_after(lambda: reader.press_keys("Down"))
        saved = wait_until(lambda: self.home.settings()["RFPOS00"], SAVE_TIMEOUT, interval=0.5)
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
        values = self.home.settings()
        self.assertEqual((values["nRecentFileCount"], values["RFNAME00"]), (1, BOOK))
        self.assertGreater(values["RFPOS00"], saved)
        self.assertEqual(self.start_showing(BOOK).settled_picture(), reading)
