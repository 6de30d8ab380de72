#include <gtest/gtest.h>

#include "resources/Format.h"

namespace sorna {
namespace {

// The program's own patterns are checked where their texts are shown or stored; these are the
// edges: a number that outgrows its padding, a sign, rounding, and arguments that do not match
// their pattern, which are copied rather than read.
TEST(FormatText, FormatsWhatMatchesAndCopiesWhatDoesNot) {
    EXPECT_EQ(FormatText(u"RFNAME%02d", {int64_t{100}}), u"RFNAME100");
    EXPECT_EQ(FormatText(u"err:%d", {int64_t{-5}}), u"err:-5");
    EXPECT_EQ(FormatText(u"%s [%.1f%%]", {u"첫 줄", 12.345}), u"첫 줄 [12.3%]");
    EXPECT_EQ(FormatText(u"%s and %s", {u"one"}), u"one and %s");
    EXPECT_EQ(FormatText(u"%d", {u"text"}), u"%d");
    EXPECT_EQ(FormatText(u"100% sure %q", {}), u"100% sure %q");
    EXPECT_EQ(FormatText(u"trailing %", {int64_t{1}}), u"trailing %");
    const std::pair<int64_t, std::u16string_view> grouped[] = {
        {0, u"0"},
        {999, u"999"},
        {1000, u"1,000"},
        {-1000, u"-1,000"},
        {-100, u"-100"},
        {4567, u"4,567"},
        {1234567, u"1,234,567"},
        {INT64_MIN, u"-9,223,372,036,854,775,808"}};
    for (const auto& [number, text] : grouped) {
        EXPECT_EQ(GroupedNumber(number), text) << number;
    }
}

}  // namespace
}  // namespace sorna
