#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/DeleteSelectedBookmarks.h"
#include "history/SelectString.h"

namespace sorna {
namespace {

TEST(SelectString, SearchesByPrefixIgnoringCaseFromAfterTheGivenEntry) {
    const std::vector<std::u16string> searches = {u"ab", u"abc", u"xyz", u"ABD"};
    // Started after entry 0, an older search that the newest begins comes first ...
    EXPECT_EQ(SelectString(searches, u"ab", 0), 1u);
    EXPECT_EQ(SelectString(searches, u"ab", 1), 3u);
    // ... and the search wraps round to the start and the entry it began after.
    EXPECT_EQ(SelectString(searches, u"xyz", 2), 2u);
    EXPECT_EQ(SelectString(std::vector<std::u16string>{u"solo"}, u"solo", 0), 0u);
    EXPECT_EQ(SelectString(searches, u"abcd", 0), std::nullopt);
    EXPECT_EQ(SelectString(std::vector<std::u16string>{}, u"a", 0), std::nullopt);

    const std::vector<std::u16string> families = {u"DejaVu Sans", u"NanumGothic",
                                                  u"NanumGothicCoding", u"나눔고딕"};
    EXPECT_EQ(SelectString(families, u"nanumgothic", std::nullopt), 1u);
    EXPECT_EQ(SelectString(families, u"나눔", std::nullopt), 3u);
    EXPECT_EQ(SelectString(families, u"Tahoma", std::nullopt), std::nullopt);
}

TEST(DeleteSelectedBookmarks, DeletesFromTheBottomRowUp) {
    Bookmarks bookmarks;
    for (const char16_t* label : {u"5", u"4", u"3", u"2", u"1"}) {
        bookmarks.AddBookmark(u"/books/a.txt", 0, label);
    }
    // Rows come in any order, twice, or beyond the list; each bookmark goes once.
    const std::vector<int32_t> selected = {0, 2, 2, 7, -1};
    EXPECT_EQ(DeleteSelectedBookmarks(bookmarks, selected), (std::vector<int32_t>{2, 0}));
    std::vector<std::u16string> left;
    for (const HistoryEntry& bookmark : bookmarks.Entries()) {
        left.push_back(bookmark.label);
    }
    EXPECT_EQ(left, (std::vector<std::u16string>{u"2", u"4", u"5"}));
}

}  // namespace
}  // namespace sorna
