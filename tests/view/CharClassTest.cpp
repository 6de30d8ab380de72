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

}  // namespace
}  // namespace sorna
