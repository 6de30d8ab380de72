#include "platform/CodePage949.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/IcuDecode.h"

namespace sorna {
namespace {

std::u16string Decode(const std::vector<uint8_t>& bytes, size_t capacity = SIZE_MAX) {
    std::u16string out(std::min(capacity, bytes.size()), u'\0');
    out.resize(DecodeCodePage949(bytes, out).written);
    return out;
}

std::u16string DecodeWithIcu(const std::vector<uint8_t>& bytes) {
    return IcuDecode({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, "windows-949");
}

// Where ICU maps a pair ending in an ASCII byte to no character, the reader keeps that byte.
TEST(CodePage949Test, MatchesIcuOnEveryPairButKeepsTheAsciiByteAfterABadLeadByte) {
    std::vector<uint8_t> everyPair;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            const std::vector<uint8_t> pair = {static_cast<uint8_t>(lead),
                                               static_cast<uint8_t>(trail)};
            if (trail >= 0x80) {
                // Each pair followed by what is never a character, all of it compared at once.
                everyPair.insert(everyPair.end(), {pair[0], pair[1], 0x80, 0xFF});
                continue;
            }
            const std::u16string icu = DecodeWithIcu(pair);
            const bool mapped = icu.size() == 1 && icu[0] != u'\uFFFD';
            ASSERT_EQ(Decode(pair), mapped ? icu : std::u16string({u'\uFFFD', pair[1]}))
                << lead << " " << trail;
        }
    }
    EXPECT_EQ(Decode(everyPair), DecodeWithIcu(everyPair));
}

TEST(CodePage949Test, StopsAtTheOutputCapacity) {
    const std::vector<uint8_t> bytes = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 0xB0, 0xA1};
    EXPECT_EQ(Decode(bytes, 3), u"abc");
    EXPECT_EQ(Decode(bytes, 10), u"abcdefghi가");
    EXPECT_EQ(Decode({0x00, 0x80, 0xFF, 0xB0}), std::u16string(u"\0\u0080\uF8F7\uFFFD", 4));
}

}  // namespace
}  // namespace sorna
