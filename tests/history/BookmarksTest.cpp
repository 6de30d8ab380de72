#include "history/Bookmarks.h"

#include <gtest/gtest.h>

namespace sorna {
namespace {

TEST(Bookmarks, NewestComesFirstAndTheSamePlaceMayBeMarkedTwice) {
    Bookmarks bookmarks;
    bookmarks.AddBookmark(u"/books/A.txt", 100, u"1장 시작");
    bookmarks.AddBookmark(u"/books/A.txt", 100, u"1장 시작");
    bookmarks.AddBookmark(u"/books/B.txt", 7, u"끝");
    bookmarks.AddBookmark(u"/books/B.txt", 8, u"");
    bookmarks.AddBookmark(u"", 9, u"no path");
    ASSERT_EQ(bookmarks.Entries().size(), 3u);
    EXPECT_EQ(bookmarks.Entries()[0], (HistoryEntry{u"/books/B.txt", 7, u"끝"}));
    EXPECT_EQ(bookmarks.Entries()[1], bookmarks.Entries()[2]);
}

TEST(Bookmarks, DeletingTakesOnlyAnIndexInsideTheList) {
    Bookmarks bookmarks;
    for (int32_t position = 0; position < 500; ++position) {
        bookmarks.AddBookmark(u"/books/A.txt", position, u"label");
    }
    ASSERT_EQ(bookmarks.Entries().size(), 500u);
    bookmarks.DeleteBookmark(-1);
    bookmarks.DeleteBookmark(500);
    EXPECT_EQ(bookmarks.Entries().size(), 500u);
    bookmarks.DeleteBookmark(0);
    bookmarks.DeleteBookmark(498);
    ASSERT_EQ(bookmarks.Entries().size(), 498u);
    EXPECT_EQ(bookmarks.Entries().front().position, 498);
    EXPECT_EQ(bookmarks.Entries().back().position, 1);
}

}  // namespace
}  // namespace sorna
