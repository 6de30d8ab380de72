"""What a desktop user does without reading a manual: the mouse wheel, Page Down, Page Up and
Space, and dropping a file from another program onto the window."""

import os
import shutil

from FileDragSource import DragRefused, FileDragSource
from RegistryFile import recent_files
from ReaderSession import PRODUCT_TITLE
from ReaderTestCase import ReaderTestCase, corpus_file, document_title
from VirtualDesktop import wait_until

BOOK = corpus_file("ko-utf8-novel-01.txt")
OTHER_BOOK = corpus_file("ko-cp949-novel-02.txt")
LINES_PER_NOTCH = 3  # the toolkit's own number where the desktop sets none
WHEEL_AWAY, WHEEL_TOWARDS = "4", "5"  # the X buttons a wheel notch gives
OPEN_FAILED_CAPTION = "파일 열기 실패"


class DesktopHabitsTest(ReaderTestCase):
    def wheel(self, reader, button):
        """One notch of the wheel with the pointer over the middle of the page."""
        regions = reader.regions
        return lambda: reader.desktop.run_input(
            "mousemove", "--window", str(reader.window), str(regions.picture.width // 2),
            str(regions.page_height // 2), "click", button)

    def keys(self, reader, *names):
        return lambda: reader.press_keys(*names)

    def assert_same_step(self, reader, step, back, reference):
        """step changes the first page, back returns to it, and reference (from the first page)
        shows the same as step did."""
        first = reader.settled_picture()
        stepped = reader.picture_after(step, first)
        self.assertNotEqual(stepped, first, "the page did not move")
        back()
        self.assertTrue(reader.wait_for_picture(first), "going back did not show the first page")
        reference()
        self.assertTrue(reader.wait_for_picture(stepped), "not the page the reference shows")

    def test_a_wheel_notch_steps_the_lines_that_right_and_left_step(self):
        reader = self.start_on_document(BOOK)
        self.assert_same_step(reader, self.wheel(reader, WHEEL_TOWARDS),
                              self.wheel(reader, WHEEL_AWAY),
                              self.keys(reader, *["Right"] * LINES_PER_NOTCH))

    def test_turned_the_wheel_steps_the_lines_that_up_and_down_step_there(self):
        reader = self.start_on_document(BOOK, bRotate=1)
        self.assert_same_step(reader, self.wheel(reader, WHEEL_TOWARDS),
                              self.wheel(reader, WHEEL_AWAY),
                              self.keys(reader, *["Up"] * LINES_PER_NOTCH))

    def test_page_down_and_space_turn_the_page_that_down_turns_and_page_up_goes_back(self):
        reader = self.start_on_document(BOOK, nShareLine=1)
        for forward in ("Next", "space"):
            self.assert_same_step(reader, self.keys(reader, forward), self.keys(reader, "Prior"),
                                  self.keys(reader, "Down"))
            reader.press_keys("Up")

    def drop(self, reader, paths, action="XdndActionCopy"):
        """Drops the files from another program onto the middle of the page."""
        x, y, _, _ = reader.geometry()
        source = FileDragSource(reader.desktop.name)
        try:
            return source.drop(reader.window, x + reader.regions.picture.width // 2,
                               y + reader.regions.page_height // 2, paths, action)
        finally:
            source.close()

    def test_a_file_dropped_from_another_program_opens_and_stays_where_it_is(self):
        dropped = os.path.join(self.home.books, "두 번째 소설 & 메모.txt")
        shutil.copy(OTHER_BOOK, dropped)
        reader = self.start_on_document(BOOK)
        reader.press_keys("Down")
        reading = reader.picture_after(lambda: None, reader.settled_picture())

        with self.assertRaises(DragRefused):
            self.drop(reader, [dropped], action="XdndActionMove")
        self.assertTrue(reader.picture_unchanged_after(lambda: None, reading))

        self.assertEqual(self.drop(reader, [dropped, BOOK]), "XdndActionCopy")
        self.assertTrue(reader.wait_for_title(document_title(dropped)),
                        "title stayed %r" % reader.title())
        self.assertTrue(os.path.exists(dropped))
        self.assertEqual(reader.close(), 0)
        [(newest, _), (path, position)] = recent_files(self.home.settings())
        self.assertEqual((newest, path), (dropped, BOOK))
        self.assertGreater(position, 0, "the place in the book read before was not kept")

    def test_a_dropped_folder_is_refused_with_the_open_failure_message(self):
        reader = self.start_on_document(BOOK)
        self.assertEqual(self.drop(reader, [self.home.books]), "XdndActionCopy")
        message = wait_until(lambda: [window for window in reader.windows()
                                      if reader.desktop.window_title(window)
                                      == OPEN_FAILED_CAPTION], 10)
        self.assertTrue(message, "no message box said the folder could not be opened")
        reader.desktop.run_input("windowactivate", "--sync", str(message[0]))
        reader.desktop.run_input("key", "Return")
        self.assertTrue(wait_until(lambda: len(reader.windows()) == 1, 10))
        self.assertEqual(reader.title(), PRODUCT_TITLE)
