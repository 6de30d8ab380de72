#include "history/HistoryLists.h"

#include <gtest/gtest.h>

#include "history/SelectString.h"
#include "resources/Format.h"

namespace sorna {
namespace {

std::u16string PathOf(int n) {
    return FormatText(u"/books/%d.txt", {int64_t{n}});
}

TEST(RecentFiles, AFileReadAgainMovesToTheHeadAndTheListKeepsThirtyOrShrinksOneAtATime) {
    RecentFiles files;
    files.RememberFile(u"/books/소설.txt", 10);
    files.RememberFile(u"/BOOKS/소설.txt", 20, u"Johab");  // paths compare exactly
    files.RememberFile(u"/books/소설.txt", -1);            // nothing laid out: kept as it is
    files.RememberFile(u"", 99);
    const std::vector<HistoryEntry> expected = {{u"/books/소설.txt", -1, {}, {}},
                                                {u"/BOOKS/소설.txt", 20, {}, u"Johab"}};
    EXPECT_EQ(files.Entries(), expected);
    EXPECT_EQ(files.FindRecent(u"/BOOKS/소설.txt"), expected[1]);
    EXPECT_EQ(files.FindRecent(u"/books/소설"), std::nullopt);

    for (int n = 0; n <= 30; ++n) {
        files.RememberFile(PathOf(n), n);
    }
    ASSERT_EQ(files.Entries().size(), 30u);
    EXPECT_EQ(files.Entries().back().path, PathOf(1));

    RecentFiles loaded;
    for (int n = 0; n < 40; ++n) {
        loaded.Append({PathOf(n), n, {}, {}});
    }
    loaded.RememberFile(u"/books/new.txt", 0);
    EXPECT_EQ(loaded.Entries().size(), 40u);
    EXPECT_EQ(loaded.Entries().back().path, PathOf(38));
    // Reading a listed file again removes its old entry as well as the last one.
    loaded.RememberFile(PathOf(5), 1);
    EXPECT_EQ(loaded.Entries().size(), 39u);
    EXPECT_EQ(loaded.Entries().back().path, PathOf(37));
}

TEST(RecentSearches, TheListKeepsTwentyDistinctStringsNewestFirst) {
    RecentSearches searches;
    for (int n = 0; n <= 20; ++n) {
        searches.RememberSearch(FormatText(u"검색 %d", {int64_t{n}}));
    }
    searches.RememberSearch(u"검색 5");
    searches.RememberSearch(u"Sorna");
    searches.RememberSearch(u"sorna");  // strings compare exactly
    ASSERT_EQ(searches.Entries().size(), 20u);
    EXPECT_EQ(searches.Entries()[2], u"검색 5");
    EXPECT_EQ(searches.Entries().back(), u"검색 3");  // not 4: the older "검색 5" went
}

TEST(Bookmarks, NewestFirstTheSamePlaceTwiceAndDeletionOnlyInsideTheList) {
    Bookmarks bookmarks;
    bookmarks.AddBookmark(u"/books/A.txt", 100, u"1장 시작");
    bookmarks.AddBookmark(u"/books/A.txt", 100, u"1장 시작");
    bookmarks.AddBookmark(u"/books/B.txt", 7, u"끝");
    bookmarks.AddBookmark(u"/books/B.txt", 8, u"");
    bookmarks.AddBookmark(u"", 9, u"no path");
    ASSERT_EQ(bookmarks.Entries().size(), 3u);
    EXPECT_EQ(bookmarks.Entries()[0], (HistoryEntry{u"/books/B.txt", 7, u"끝", u""}));
    EXPECT_EQ(bookmarks.Entries()[1], bookmarks.Entries()[2]);

    bookmarks.DeleteBookmark(-1);
    bookmarks.DeleteBookmark(3);
    EXPECT_EQ(bookmarks.Entries().size(), 3u);
    bookmarks.DeleteBookmark(0);
    EXPECT_EQ(bookmarks.Entries().front().position, 100);
}

TEST(SelectString, SearchesOnFromAfterTheGivenEntryAndWrapsRound) {
    const std::vector<std::u16string> searches = {u"ab", u"abc", u"xyz", u"ABD"};
    EXPECT_EQ(SelectString(searches, u"ab", 1), 3u);
    EXPECT_EQ(SelectString(searches, u"xyz", 2), 2u);  // the entry it began after comes last
    EXPECT_EQ(SelectString(searches, u"abcd", 0), std::nullopt);
    EXPECT_EQ(SelectString(std::vector<std::u16string>{}, u"a", 0), std::nullopt);
    EXPECT_EQ(SelectString(searches, u"나눔", std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace sorna
