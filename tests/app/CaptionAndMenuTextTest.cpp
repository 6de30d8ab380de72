#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/FileTitle.h"
#include "app/ProposedBookmarkLabel.h"
#include "app/RunTimeMenuItems.h"
#include "app/TitleText.h"
#include "resources/Format.h"

namespace sorna {
namespace {

TEST(FileTitle, TextAfterTheLastSeparatorAfterTheFirstCharacter) {
    EXPECT_EQ(FileTitle(u"/media/card/books/a&b.txt"), u"a&b.txt");
    EXPECT_EQ(FileTitle(u"books/소설.txt"), u"소설.txt");
    EXPECT_EQ(FileTitle(u"a.txt"), u"a.txt");
    EXPECT_EQ(FileTitle(u"/a.txt"), u"/a.txt");
    EXPECT_EQ(FileTitle(u"/"), u"/");
    EXPECT_EQ(FileTitle(u"//x"), u"x");
    EXPECT_EQ(FileTitle(u"books/"), u"");
    EXPECT_EQ(FileTitle(u""), u"");
    // A backslash is an ordinary character in names here.
    EXPECT_EQ(FileTitle(u"/tmp/a\\b.txt"), u"a\\b.txt");
}

TEST(TitleText, NamesTheDocumentOrTheProductAlone) {
    EXPECT_EQ(TitleText(FileTitle(u"/media/card/books/a&b.txt")), u"a&b.txt - Sorna 1.71");
    EXPECT_EQ(TitleText(u"%s.txt"), u"%s.txt - Sorna 1.71");
    EXPECT_EQ(TitleText(u""), u"Sorna 1.71");
}

TEST(ProposedBookmarkLabel, LineStartAndPercentage) {
    EXPECT_EQ(ProposedBookmarkLabel(u"Once upon a time there was", u"", 250, 1000),
              u"Once upon a tim [25.0%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"", u"다음 줄", 1, 3), u"다음 줄 [33.3%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"첫 줄", u"다음 줄", 0, 7), u"첫 줄 [0.0%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"", u"", 999, 1000), u" [99.9%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"x", u"", 0, 0), u"x [0.0%]");
}

TEST(ProposedBookmarkLabel, NeverCutsACharacterInHalf) {
    // Fourteen letters, then a character outside the basic plane (two code units).
    const std::u16string line = u"abcdefghijklmn\U0001F4D6 more";
    EXPECT_EQ(ProposedBookmarkLabel(line, u"", 5, 10), u"abcdefghijklmn [50.0%]");
    EXPECT_EQ(ProposedBookmarkLabel(u"abcdefghijklm\U0001F4D6", u"", 5, 10),
              u"abcdefghijklm\U0001F4D6 [50.0%]");
}

std::vector<std::u16string_view> Views(const std::vector<std::u16string>& texts) {
    return {texts.begin(), texts.end()};
}

TEST(RunTimeMenuItems, RecentFilesShowThirteenNamesAndTheClearItem) {
    std::vector<std::u16string> paths;
    for (int n = 0; n < 25; ++n) {
        paths.push_back(FormatText(u"/books/%02d.txt", {int64_t{n}}));
    }
    paths[1] = u"/media/card/a&b.txt";
    const std::vector<RunTimeMenuItem> items = RecentFileMenuItems(Views(paths));
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0], (RunTimeMenuItem{40050, u"00.txt"}));
    EXPECT_EQ(items[1], (RunTimeMenuItem{40051, u"a&&b.txt"}));
    EXPECT_EQ(items[12], (RunTimeMenuItem{40062, u"12.txt"}));
    EXPECT_TRUE(items[13].separator);
    EXPECT_EQ(items[14], (RunTimeMenuItem{40024, u"최근 파일 목록 지우기"}));
    const std::vector<RunTimeMenuItem> none = RecentFileMenuItems({});
    ASSERT_EQ(none.size(), 2u);
    EXPECT_TRUE(none[0].separator);
    EXPECT_EQ(none[1].id, 40024);
}

TEST(RunTimeMenuItems, BookmarksShowThirteenLabelsWithAmpersandsKept) {
    std::vector<std::u16string> labels(14, u"장");
    labels[0] = u"R&D";
    labels[2] = u"&&&";
    const std::vector<RunTimeMenuItem> items = BookmarkMenuItems(Views(labels));
    ASSERT_EQ(items.size(), 13u);
    EXPECT_EQ(items[0], (RunTimeMenuItem{40100, u"R&&D"}));
    EXPECT_EQ(items[2].text, u"&&&&&&");
    EXPECT_EQ(items[12], (RunTimeMenuItem{40112, u"장"}));
    EXPECT_TRUE(BookmarkMenuItems({}).empty());
}

}  // namespace
}  // namespace sorna
