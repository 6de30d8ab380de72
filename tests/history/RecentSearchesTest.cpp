#include "history/RecentSearches.h"

#include <gtest/gtest.h>

#include "resources/Format.h"

namespace sorna {
namespace {

TEST(RecentSearches, TheListKeepsTwentyDistinctStringsNewestFirst) {
    RecentSearches searches;
    for (int n = 0; n <= 20; ++n) {
        searches.RememberSearch(FormatText(u"검색 %d", {int64_t{n}}));
    }
    searches.RememberSearch(u"검색 5");
    searches.RememberSearch(u"검색 20");
    ASSERT_EQ(searches.Entries().size(), 20u);
    EXPECT_EQ(searches.Entries()[1], u"검색 5");
    EXPECT_EQ(std::count(searches.Entries().begin(), searches.Entries().end(), u"검색 5"), 1);
    EXPECT_EQ(searches.Entries().back(), u"검색 1");
    // Strings compare exactly.
    searches.RememberSearch(u"Sorna");
    searches.RememberSearch(u"sorna");
    EXPECT_EQ(searches.Entries().size(), 20u);
    EXPECT_EQ(searches.Entries()[1], u"Sorna");
}

}  // namespace
}  // namespace sorna
