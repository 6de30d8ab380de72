#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/ShellTexts.h"
#include "resources/Format.h"

namespace sorna {
namespace {

TEST(FileTitle, CaptionNamesTheFileAfterTheLastSeparator) {
    EXPECT_EQ(TitleText(FileTitle(u"/media/card/books/a&b.txt")), u"a&b.txt - Sorna 1.71");
    EXPECT_EQ(TitleText(u""), u"Sorna 1.71");
    EXPECT_EQ(TitleText(u"%s.txt"), u"%s.txt - Sorna 1.71");
    // The first character is never the separator.
    EXPECT_EQ(FileTitle(u"/a.txt"), u"/a.txt");
    EXPECT_EQ(FileTitle(u"a.txt"), u"a.txt");
    EXPECT_EQ(FileTitle(u"books/"), u"");
}

TEST(ProposedBookmarkLabel, LineStartAndPercentage) {
    EXPECT_EQ(ProposedBookmarkLabel(u"Once upon a time there was", u"", 250, 1000),
              u"Once upon a tim [25.0%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"", u"다음 줄", 1, 3), u"다음 줄 [33.3%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"x", u"", 0, 0), u"x [0.0%]");
    // Fourteen letters, then a character of two code units: it is not cut in half.
    EXPECT_EQ(ProposedBookmarkLabel(u"abcdefghijklmn\U0001F4D6 more", u"", 5, 10),
              u"abcdefghijklmn [50.0%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"abcdefghijklm\U0001F4D6", u"", 5, 10),
              u"abcdefghijklm\U0001F4D6 [50.0%]");
}

TEST(RunTimeMenuItems, ThirteenEntriesWithAmpersandsKept) {
    std::vector<std::u16string> paths;
    for (int n = 0; n < 25; ++n) {
        paths.push_back(FormatText(u"/books/%02d.txt", {int64_t{n}}));
    }
    paths[1] = u"/media/card/a&b.txt";
    const std::vector<std::u16string_view> views(paths.begin(), paths.end());
    const std::vector<RunTimeMenuItem> recent = RecentFileMenuItems(views);
    ASSERT_EQ(recent.size(), 15u);
    EXPECT_EQ(recent[1], (RunTimeMenuItem{40051, u"a&&b.txt"}));
    EXPECT_EQ(recent[12], (RunTimeMenuItem{40062, u"12.txt"}));
    EXPECT_TRUE(recent[13].separator);
    EXPECT_EQ(recent[14], (RunTimeMenuItem{40024, u"최근 파일 목록 지우기"}));
    EXPECT_EQ(RecentFileMenuItems({}).size(), 2u);

    const std::vector<std::u16string_view> labels{u"R&D", u"&&", u"장"};
    const std::vector<RunTimeMenuItem> bookmarks = BookmarkMenuItems(labels);
    ASSERT_EQ(bookmarks.size(), 3u);
    EXPECT_EQ(bookmarks[0], (RunTimeMenuItem{40100, u"R&&D"}));
    EXPECT_EQ(bookmarks[1].text, u"&&&&");
    EXPECT_EQ(BookmarkMenuItems(views).back().id, 40112);
}

}  // namespace
}  // namespace sorna
