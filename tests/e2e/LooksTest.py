"""The look of the page in a real window: as the settings come, the page is the one the README
shows, pixel for pixel; a theme chosen from 보기 recolours it at once and is kept."""

import os
import struct
import sys
import zlib

import EndToEnd
from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import PICTURE_TIMEOUT
from VirtualDesktop import wait_until

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
import TakeScreenshots  # noqa: E402  the README's pictures are taken with it

README_PAGE = os.path.join(HERE, "..", "..", "docs", "reader.png")
# In 보기, past its eight items to 테마; in 테마, past 사용자 and 낮 to 밤.
TO_THEMES, TO_NIGHT = 9, 2
NIGHT_PAPER = (0x16, 0x16, 0x16)


def png_pixels(path):
    """Width, height and RGB rows of a picture the screenshot tool wrote (rows unfiltered)."""
    with open(path, "rb") as file:
        data = file.read()
    width, height = struct.unpack(">II", data[16:24])
    at, packed = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        packed += data[at + 8:at + 8 + length] if kind == b"IDAT" else b""
        at += 12 + length
    rows = zlib.decompress(packed)
    stride = 1 + width * 3
    if any(rows[y * stride] != 0 for y in range(height)):
        raise ValueError(path + " was not written by the screenshot tool")
    return width, height, b"".join(rows[y * stride + 1:(y + 1) * stride] for y in range(height))


class LooksTest(ReaderTestCase):
    def test_the_page_as_the_settings_come_is_the_one_the_readme_shows(self):
        reader = TakeScreenshots.show_novel(self.desktop, self.bus_address, EndToEnd.SCRATCH,
                                            EndToEnd.BINARY, EndToEnd.CORPUS)
        self.readers.append(reader)
        page = reader.settled_picture()
        # The README's picture has the window manager's frame around the same page, as wide on
        # either side, taller above than below.
        width, height, framed = png_pixels(README_PAGE)
        left = (width - page.width) // 2

        def inside(top):
            return b"".join(framed[((top + y) * width + left) * 3:
                                   ((top + y) * width + left + page.width) * 3]
                            for y in range(page.height))
        tops = range(height - page.height + 1)
        self.assertTrue(any(inside(top) == page.rgb() for top in tops),
                        "the page is not the README's: if that is meant, retake the pictures "
                        "with sh tools/screenshots.sh")

    def test_a_theme_from_the_view_menu_recolours_the_page_and_is_kept(self):
        reader = self.start_on_document(corpus_file(TakeScreenshots.NOVEL))
        reader.settled_picture()
        reader.press_button(6)  # 보기
        self.assertTrue(wait_until(self.popup_shown, PICTURE_TIMEOUT), "the menu did not open")
        reader.press_keys(*["Down"] * TO_THEMES, "Right", *["Down"] * TO_NIGHT, "Return")
        self.assertTrue(wait_until(lambda: reader.picture().colour(1, 1) == NIGHT_PAPER,
                                   PICTURE_TIMEOUT), "the page did not turn to the night theme")
        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings()["nTheme"], 2)
