#include "history/RecentFiles.h"

#include <gtest/gtest.h>

#include "resources/Format.h"

namespace sorna {
namespace {

std::u16string PathOf(int n) {
    return FormatText(u"/books/%d.txt", {int64_t{n}});
}

TEST(RecentFiles, ReadingAFileAgainMovesItToTheHeadAndPathsCompareExactly) {
    RecentFiles files;
    files.RememberFile(u"/books/소설.txt", 10);
    files.RememberFile(u"/BOOKS/소설.txt", 20);
    files.RememberFile(u"/books/소설.txt", -1);  // nothing laid out: kept as it is
    files.RememberFile(u"", 99);
    EXPECT_EQ(files.Entries(), (std::vector<HistoryEntry>{{u"/books/소설.txt", -1, {}},
                                                          {u"/BOOKS/소설.txt", 20, {}}}));
    EXPECT_EQ(files.FindRecentPosition(u"/books/소설"), std::nullopt);
}

TEST(RecentFiles, TheListKeepsThirtyAndALongerLoadedListShrinksOneAtATime) {
    RecentFiles files;
    for (int n = 0; n <= 30; ++n) {
        files.RememberFile(PathOf(n), n);
    }
    ASSERT_EQ(files.Entries().size(), 30u);
    EXPECT_EQ(files.Entries().back().path, PathOf(1));

    RecentFiles loaded;
    for (int n = 0; n < 40; ++n) {
        loaded.Append({PathOf(n), n, {}});
    }
    loaded.RememberFile(u"/books/new.txt", 0);
    EXPECT_EQ(loaded.Entries().size(), 40u);
    EXPECT_EQ(loaded.Entries().back().path, PathOf(38));
    // Reading a listed file again removes its old entry as well as the last one.
    loaded.RememberFile(PathOf(5), 1);
    EXPECT_EQ(loaded.Entries().size(), 39u);
    EXPECT_EQ(loaded.Entries().back().path, PathOf(37));
}

}  // namespace
}  // namespace sorna
