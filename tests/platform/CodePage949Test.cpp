#include "platform/CodePage949.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/platform/IcuDecode.h"

namespace sorna {
namespace {

std::u16string Decode(const std::vector<uint8_t>& bytes, size_t capacity) {
    std::u16string out(capacity, u'\0');
    out.resize(DecodeCodePage949(bytes, out));
    return out;
}

std::u16string Decode(const std::vector<uint8_t>& bytes) {
    return Decode(bytes, bytes.size());
}

std::u16string DecodeWithIcu(const std::vector<uint8_t>& bytes) {
    return IcuDecode({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, "windows-949");
}

TEST(CodePage949Test, MatchesIcuOnEveryPairAndOnRandomBytesWithoutAscii) {
    std::vector<uint8_t> everyPair;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x80; trail <= 0xFE; ++trail) {
            everyPair.insert(everyPair.end(),
                             {static_cast<uint8_t>(lead), static_cast<uint8_t>(trail), 0x80, 0xFF});
        }
    }
    EXPECT_EQ(Decode(everyPair), DecodeWithIcu(everyPair));
    std::mt19937 random(949);
    std::vector<uint8_t> noise(1 << 16);
    for (uint8_t& byte : noise) {
        byte = static_cast<uint8_t>(0x80 | random());
    }
    EXPECT_EQ(Decode(noise), DecodeWithIcu(noise));
}

TEST(CodePage949Test, KeepsTheAsciiByteAfterEveryBadLeadByte) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x00; trail < 0x80; ++trail) {
            const std::vector<uint8_t> pair = {static_cast<uint8_t>(lead),
                                               static_cast<uint8_t>(trail)};
            const std::u16string icu = DecodeWithIcu(pair);
            const bool mapped = icu.size() == 1 && icu[0] != u'\uFFFD';
            const std::u16string expected =
                mapped ? icu : std::u16string{u'\uFFFD', static_cast<char16_t>(trail)};
            ASSERT_EQ(Decode(pair), expected) << lead << " " << trail;
        }
    }
}

TEST(CodePage949Test, StopsAtTheOutputCapacity) {
    const std::vector<uint8_t> bytes = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 0xB0, 0xA1};
    EXPECT_EQ(Decode(bytes, 3), u"abc");
    EXPECT_EQ(Decode(bytes, 10), u"abcdefghi가");
    EXPECT_EQ(Decode({0x00, 0x80, 0xFF, 0xB0}), std::u16string(u"\0\u0080\uF8F7\uFFFD", 4));
}

}  // namespace
}  // namespace sorna
