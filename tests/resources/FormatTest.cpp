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
}

}  // namespace
}  // namespace sorna
