#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/SelectString.h"

namespace sorna {
namespace {

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
