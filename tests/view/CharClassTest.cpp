#include <gtest/gtest.h>

#include <algorithm>

#include "view/CharClass.h"

namespace sorna {
namespace {

// The classes as the ordered tests define them, with a scan of the break marks.
CharClass ClassByScan(char16_t c) {
    if (c > 0x100) {
        return CharClass::Wide;
    }
    if (c == 0x20 || c == 0x09 || c == 0x0D) {
        return CharClass::Space;
    }
    if (c == 0x0A) {
        return CharClass::LineFeed;
    }
    if (c == 0) {
        return CharClass::End;
    }
    if (std::find(kBreakMarks.begin(), kBreakMarks.end(), c) != kBreakMarks.end()) {
        return CharClass::BreakMark;
    }
    return CharClass::Letter;
}

TEST(ClassifyChar, LookupAgreesWithTheOrderedTestsForEveryCodeUnit) {
    for (uint32_t c = 0; c <= 0xFFFF; ++c) {
        ASSERT_EQ(ClassifyChar(char16_t(c)), ClassByScan(char16_t(c))) << std::hex << c;
    }
}

TEST(ClassifyChar, BoundariesAndTheThirtyTwoMarks) {
    EXPECT_EQ(ClassifyChar(0x100), CharClass::Letter);
    EXPECT_EQ(ClassifyChar(0x101), CharClass::Wide);
    EXPECT_EQ(ClassifyChar(u'가'), CharClass::Wide);
    EXPECT_EQ(ClassifyChar(0x0B), CharClass::Letter);
    EXPECT_EQ(ClassifyChar(0x7F), CharClass::Letter);
    EXPECT_EQ(ClassifyChar(0xA0), CharClass::Letter);
    const std::u16string_view ascii =
        u" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrs"
        u"tuvwxyz{|}~";
    const auto marks = std::count_if(ascii.begin(), ascii.end(), [](char16_t c) {
        return ClassifyChar(c) == CharClass::BreakMark;
    });
    EXPECT_EQ(marks, 32);
    EXPECT_EQ(ClassifyChar(u'_'), CharClass::BreakMark);
    EXPECT_EQ(ClassifyChar(u'z'), CharClass::Letter);
    EXPECT_EQ(ClassifyChar(u'7'), CharClass::Letter);
}

}  // namespace
}  // namespace sorna
