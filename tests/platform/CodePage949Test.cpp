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

// Every byte and every pair of bytes on its own, and the pairs after one another, as ICU decodes
// them; where ICU maps a pair ending in an ASCII byte to no character, the reader keeps that byte.
TEST(CodePage949Test, MatchesIcuOnEveryByteAndPairButKeepsTheAsciiByteAfterABadLeadByte) {
    for (int byte = 0x00; byte <= 0xFF; ++byte) {
        const std::vector<uint8_t> single = {static_cast<uint8_t>(byte)};
        ASSERT_EQ(Decode(single), DecodeWithIcu(single)) << byte;
    }
    std::vector<uint8_t> everyPair;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            const std::vector<uint8_t> pair = {static_cast<uint8_t>(lead),
                                               static_cast<uint8_t>(trail)};
            const std::u16string icu = DecodeWithIcu(pair);
            const bool keptAscii = trail < 0x80 && (icu.size() != 1 || icu[0] == u'\uFFFD');
            ASSERT_EQ(Decode(pair), keptAscii ? std::u16string({u'\uFFFD', pair[1]}) : icu)
                << lead << " " << trail;
            if (trail >= 0x80) {
                // Each pair followed by what is never a character, all of it compared at once.
                everyPair.insert(everyPair.end(), {pair[0], pair[1], 0x80, 0xFF});
            }
        }
    }
    EXPECT_EQ(Decode(everyPair), DecodeWithIcu(everyPair));
}

// What the parts of a long text are cut by: a byte that starts afresh decodes as it would alone,
// whatever byte comes before it, and any other byte is taken into a pair by some byte before it.
TEST(CodePage949Test, StartsAfreshExactlyWhereNoByteBeforeChangesTheDecoding) {
    for (int next = 0x00; next <= 0xFF; ++next) {
        bool changed = false;
        for (int before = 0x00; before <= 0xFF; ++before) {
            const uint8_t first = static_cast<uint8_t>(before);
            const uint8_t second = static_cast<uint8_t>(next);
            changed = changed || Decode({first, second}) != Decode({first}) + Decode({second});
        }
        EXPECT_EQ(StartsAfreshIn949(static_cast<uint8_t>(next)), !changed) << next;
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
