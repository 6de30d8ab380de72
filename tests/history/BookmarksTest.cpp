#include "history/Bookmarks.h"

#include <gtest/gtest.h>

namespace sorna {
namespace {

TEST(Bookmarks, NewestFirstTheSamePlaceTwiceAndDeletionOnlyInsideTheList) {
    Bookmarks bookmarks;
    bookmarks.AddBookmark(u"/books/A.txt", 100, u"1장 시작");
    bookmarks.AddBookmark(u"/books/A.txt", 100, u"1장 시작");
    bookmarks.AddBookmark(u"/books/B.txt", 7, u"끝");
    bookmarks.AddBookmark(u"/books/B.txt", 8, u"");
    bookmarks.AddBookmark(u"", 9, u"no path");
    ASSERT_EQ(bookmarks.Entries().size(), 3u);
    EXPECT_EQ(bookmarks.Entries()[0], (HistoryEntry{u"/books/B.txt", 7, u"끝"}));
    EXPECT_EQ(bookmarks.Entries()[1], bookmarks.Entries()[2]);

    bookmarks.DeleteBookmark(-1);
    bookmarks.DeleteBookmark(3);
    EXPECT_EQ(bookmarks.Entries().size(), 3u);
    bookmarks.DeleteBookmark(0);
    EXPECT_EQ(bookmarks.Entries().front().position, 100);
}

}  // namespace
}  // namespace sorna
