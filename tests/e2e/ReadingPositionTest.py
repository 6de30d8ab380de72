"""Where reading resumes: at the stored position of the document read last, and after a close
at the page the reader was on."""

from EndToEnd import ReaderTestCase, corpus_file
from ReaderSession import decoded, paragraph_start, recent_files, units

BOOK = corpus_file("ko-utf8-novel-01.txt")


class ReadingPositionTest(ReaderTestCase):
    def test_a_start_shows_the_line_holding_the_stored_position_at_the_top(self):
        text = decoded(BOOK, "utf-8")
        start = paragraph_start(text, len(text) // 3, minimum_length=40)
        # The same text from that paragraph on, opened at its beginning, is what the page
        # must show; a position a few characters into the line still means that line.
        rest = self.home.write_book(BOOK, "-rest", text[start:], "utf-16")
        expected = self.start_on_document(rest).text_picture()
        self.readers[-1].close()

        reader = self.start_on_document(BOOK, position=units(text[:start]) + 5)
        self.assertEqual(reader.text_picture(), expected)

    def test_a_close_after_paging_stores_the_position_and_the_next_start_returns_there(self):
        reader = self.start_on_document(BOOK)
        reading = reader.picture_after(lambda: reader.press_keys("Down", "Down", "Down"))
        self.assertEqual(reader.close(), 0)

        [(path, position)] = recent_files(self.home.settings())
        self.assertEqual(path, BOOK)
        self.assertGreater(position, 0)
        self.assertEqual(self.start_showing(BOOK).settled_picture(), reading)
