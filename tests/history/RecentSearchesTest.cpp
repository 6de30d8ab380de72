#include "history/RecentSearches.h"

#include <gtest/gtest.h>

#include "resources/Format.h"

namespace sorna {
namespace {

TEST(RecentSearches, TheListKeepsTwentyDistinctStringsNewestFirst) {
    RecentSearches searches;
    EXPECT_EQ(searches.LatestSearch(), u"");
    for (int n = 0; n <= 20; ++n) {
        searches.RememberSearch(FormatText(u"검색 %d", {int64_t{n}}));
    }
    ASSERT_EQ(searches.Entries().size(), 20u);
    EXPECT_EQ(searches.LatestSearch(), u"검색 20");
    EXPECT_EQ(searches.Entries().back(), u"검색 1");

    searches.RememberSearch(u"검색 5");
    EXPECT_EQ(searches.Entries().size(), 20u);
    EXPECT_EQ(searches.LatestSearch(), u"검색 5");
    EXPECT_EQ(std::count(searches.Entries().begin(), searches.Entries().end(), u"검색 5"), 1);
    EXPECT_EQ(searches.Entries().back(), u"검색 1");
}

TEST(RecentSearches, StringsCompareExactlyAndClearingEmptiesTheList) {
    RecentSearches searches;
    searches.RememberSearch(u"Sorna");
    searches.RememberSearch(u"sorna");
    EXPECT_EQ(searches.Entries(), (std::vector<std::u16string>{u"sorna", u"Sorna"}));
    searches.ClearSearches();
    EXPECT_EQ(searches.LatestSearch(), u"");
    EXPECT_TRUE(searches.Entries().empty());
}

}  // namespace
}  // namespace sorna
