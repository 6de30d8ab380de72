"""The reading aids in a real window: the percentage read below the text, hard-wrapped lines joined,
a column of limited width in the middle of a wide page, and a found word shown with the colours
exchanged until the page moves; and the menu item that turns the line-breaking rules on."""

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import PICTURE_TIMEOUT
from VirtualDesktop import wait_until

BOOK = corpus_file("en-gutenberg-03.txt")
PROSE = 20000  # an offset well inside the story, where every row holds text


class ReadingAidsTest(ReaderTestCase):
    def test_the_percentage_read_is_centred_below_the_text(self):
        page = self.start_on_document(BOOK, position=PROSE, bShowPercent=1).settled_picture()
        # Below the last row the figures (after the chapter's title, if any) stand in the middle;
        # the position bar at the right edge is left out.
        strip = page.crop(0, page.height - 30, page.width, 30)
        paper = strip.colour(1, 1)
        inked = [x for x in range(strip.width - 8) if strip.crop(x, 0, 1, strip.height).ink(paper)]
        self.assertTrue(inked, "nothing is written below the text")
        left, right = inked[0], strip.width - 1 - inked[-1]
        self.assertGreater(left, 0)
        self.assertLessEqual(abs(left - right), 4)

    def test_joined_lines_fill_the_page_and_a_limited_column_stands_in_the_middle(self):
        def left_and_all_ink(**settings):
            reader = self.start_on_document(BOOK, position=PROSE, nFontSize=6, **settings)
            page = reader.settled_picture()
            reader.stop()
            return page.crop(0, 0, page.width // 10, page.height).ink(), page.ink()
        plain_left, plain = left_and_all_ink()
        self.assertGreater(plain_left, 0)
        # Forty syllables of this font are narrower than the page: the column leaves its sides.
        self.assertEqual(left_and_all_ink(bLimitLineLength=1)[0], 0)
        # Lines wrapped at a fixed width, joined, leave no short lines on the page.
        self.assertGreater(left_and_all_ink(bJoinLines=1)[1], plain * 1.1)

    def test_the_view_menu_turns_the_line_breaking_rules_on_and_they_are_kept(self):
        reader = self.start_on_document(BOOK)
        reader.press_button(6)  # 보기
        self.assertTrue(wait_until(self.popup_shown, PICTURE_TIMEOUT), "the menu did not open")
        # Past 전체화면, 영어사전사용, 돌려보기 and 진행률 표시 to 줄바꿈 규칙.
        reader.press_keys(*["Down"] * 5, "Return")
        self.assertEqual(reader.close(), 0)
        self.assertEqual(self.home.settings()["bLineBreakRules"], 1)

    def test_a_found_word_is_shown_until_the_page_moves(self):
        reader = self.start_on_document(BOOK)
        reader.press_keys("ctrl+f")
        self.assertTrue(wait_until(lambda: len(reader.windows()) == 2, PICTURE_TIMEOUT),
                        "no find dialog")
        self.desktop.run_input("type", "--delay", "20", "Release")
        reader.press_keys("Return", "Escape")
        self.assertTrue(wait_until(lambda: len(reader.windows()) == 1, PICTURE_TIMEOUT))
        found = reader.settled_picture()
        # Down and back shows the same lines without the word marked: the text colour, white,
        # filled a block the size of the word on the black page.
        reader.press_keys("Down", "Up")
        unmarked = reader.picture_after(lambda: None, found)
        self.assertGreater(found.ink(), unmarked.ink() + 100)
