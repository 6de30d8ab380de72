#include "history/RecentFiles.h"

#include <gtest/gtest.h>

#include "resources/Format.h"

namespace sorna {
namespace {

std::u16string PathOf(int n) {
    return FormatText(u"/books/%d.txt", {int64_t{n}});
}

std::vector<std::u16string> Paths(const RecentFiles& files) {
    std::vector<std::u16string> paths;
    for (const HistoryEntry& entry : files.Entries()) {
        paths.push_back(entry.path);
    }
    return paths;
}

TEST(RecentFiles, ReadingAFileAgainMovesItToTheHeadWithItsNewestPosition) {
    RecentFiles files;
    files.RememberFile(u"/books/A.txt", 10);
    files.RememberFile(u"/books/B.txt", 20);
    files.RememberFile(u"/books/A.txt", 30);
    EXPECT_EQ(Paths(files), (std::vector<std::u16string>{u"/books/A.txt", u"/books/B.txt"}));
    EXPECT_EQ(files.FindRecentPosition(u"/books/A.txt"), 30);
    EXPECT_EQ(files.FindRecentPosition(u"/books/B.txt"), 20);
    EXPECT_EQ(files.MostRecentFile(), u"/books/A.txt");
    EXPECT_TRUE(files.Entries().front().label.empty());
    files.ClearRecentFiles();
    EXPECT_EQ(files.FindRecentPosition(u"/books/A.txt"), std::nullopt);
    EXPECT_EQ(files.MostRecentFile(), u"");
}

TEST(RecentFiles, PathsCompareExactlyAndAnEmptyPathIsIgnored) {
    RecentFiles files;
    files.RememberFile(u"/books/소설.txt", -1);
    files.RememberFile(u"/BOOKS/소설.txt", 7);
    files.RememberFile(u"", 99);
    EXPECT_EQ(files.Entries().size(), 2u);
    // A position of -1 (nothing laid out) is kept as it is; the view decides what it means.
    EXPECT_EQ(files.FindRecentPosition(u"/books/소설.txt"), -1);
    EXPECT_EQ(files.FindRecentPosition(u"/BOOKS/소설.txt"), 7);
    EXPECT_EQ(files.FindRecentPosition(u"/books/소설"), std::nullopt);
}

TEST(RecentFiles, TheListKeepsThirtyAndALongerLoadedListShrinksOneAtATime) {
    RecentFiles files;
    for (int n = 0; n <= 30; ++n) {
        files.RememberFile(PathOf(n), n);
    }
    ASSERT_EQ(files.Entries().size(), 30u);
    EXPECT_EQ(files.MostRecentFile(), PathOf(30));
    EXPECT_EQ(files.FindRecentPosition(PathOf(0)), std::nullopt);
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
