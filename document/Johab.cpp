#include "document/Johab.h"

#include <array>

#include "platform/CodePage949.h"

namespace sorna {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kFirstSyllable = 0xAC00;
constexpr char16_t kHangulFiller = 0x3164;
constexpr char16_t kFirstCompatibilityVowel = 0x314F;
constexpr int kNone = -1;
constexpr int kFill = -2;

// Five-bit codes to jamo indices: the 19 initials, the 21 vowels and the 27 finals (0 is none).
constexpr std::array<int, 32> kInitials = {kNone, kFill, 0,     1,     2,     3,     4,     5,
                                           6,     7,     8,     9,     10,    11,    12,    13,
                                           14,    15,    16,    17,    18,    kNone, kNone, kNone,
                                           kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone};
constexpr std::array<int, 32> kVowels = {
    kNone, kNone, kFill, 0,  1,  2,  3,  4,  kNone, kNone, 5,  6,  7,  8,  9,     10,
    kNone, kNone, 11,    12, 13, 14, 15, 16, kNone, kNone, 17, 18, 19, 20, kNone, kNone};
constexpr std::array<int, 32> kFinals = {kNone, kFill, 1,  2,  3,  4,  5,  6,     7,     8,    9,
                                         10,    11,    12, 13, 14, 15, 16, kNone, 17,    18,   19,
                                         20,    21,    22, 23, 24, 25, 26, 27,    kNone, kNone};

// The compatibility letters of the initials and of the finals, by index.
constexpr std::array<char16_t, 19> kInitialLetters = {
    0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141, 0x3142, 0x3143, 0x3145,
    0x3146, 0x3147, 0x3148, 0x3149, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};
constexpr std::array<char16_t, 28> kFinalLetters = {
    0,      0x3131, 0x3132, 0x3133, 0x3134, 0x3135, 0x3136, 0x3137, 0x3139, 0x313A,
    0x313B, 0x313C, 0x313D, 0x313E, 0x313F, 0x3140, 0x3141, 0x3142, 0x3144, 0x3145,
    0x3146, 0x3147, 0x3148, 0x314A, 0x314B, 0x314C, 0x314D, 0x314E};

bool IsHangulLead(uint8_t byte) {
    return byte >= 0x84 && byte <= 0xD3;
}
bool IsSymbolLead(uint8_t byte) {
    return (byte >= 0xD9 && byte <= 0xDE) || (byte >= 0xE0 && byte <= 0xF9);
}
bool IsHangulTrail(uint8_t byte) {
    return (byte >= 0x41 && byte <= 0x7E) || (byte >= 0x81 && byte <= 0xFE);
}
bool IsSymbolTrail(uint8_t byte) {
    return (byte >= 0x31 && byte <= 0x7E) || (byte >= 0x91 && byte <= 0xFE);
}

bool IsPair(uint8_t lead, uint8_t trail) {
    return (IsHangulLead(lead) && IsHangulTrail(trail)) ||
           (IsSymbolLead(lead) && IsSymbolTrail(trail));
}

char16_t HangulOf(uint16_t code) {
    const int initial = kInitials[code >> 10 & 31];
    const int vowel = kVowels[code >> 5 & 31];
    const int final = kFinals[code & 31];
    if (initial == kNone || vowel == kNone || final == kNone) {
        return kReplacement;
    }
    if (initial >= 0 && vowel >= 0) {
        return char16_t(kFirstSyllable + (initial * 21 + vowel) * 28 +
                        (final == kFill ? 0 : final));
    }
    // A lone letter: the other two places hold fillers.
    if (initial >= 0 && final == kFill) {
        return kInitialLetters[size_t(initial)];
    }
    if (vowel >= 0 && initial == kFill && final == kFill) {
        return char16_t(kFirstCompatibilityVowel + vowel);
    }
    if (final >= 0 && initial == kFill && vowel == kFill) {
        return kFinalLetters[size_t(final)];
    }
    return initial == kFill && vowel == kFill && final == kFill ? kHangulFiller : kReplacement;
}

// A symbol or Hanja lead covers two rows of KS X 1001: its trail bytes count through both.
char16_t SymbolOf(uint8_t lead, uint8_t trail) {
    const int place = trail <= 0x7E ? trail - 0x31 : trail - 0x91 + 78;
    const int firstRow = lead >= 0xE0 ? 0x4A + 2 * (lead - 0xE0) : 0x21 + 2 * (lead - 0xD9);
    const uint8_t euc[2] = {uint8_t((firstRow + place / 94) | 0x80),
                            uint8_t((0x21 + place % 94) | 0x80)};
    char16_t unit = kReplacement;
    DecodeCodePage949(euc, {&unit, 1});
    return unit;
}

}  // namespace

size_t JohabCharacterLength(std::span<const uint8_t> bytes) {
    return bytes.size() >= 2 && IsPair(bytes[0], bytes[1]) ? 2 : 1;
}

DecodedBytes DecodeJohab(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    DecodedBytes done;
    while (done.read < bytes.size() && done.written < out.size()) {
        const std::span<const uint8_t> rest = bytes.subspan(done.read);
        const uint8_t lead = rest[0];
        const size_t length = JohabCharacterLength(rest);
        if (length == 2) {
            out[done.written] = IsHangulLead(lead) ? HangulOf(uint16_t(lead << 8 | rest[1]))
                                                   : SymbolOf(lead, rest[1]);
        } else {
            out[done.written] = lead < 0x80 ? char16_t(lead) : kReplacement;
        }
        done.read += length;
        ++done.written;
    }
    return done;
}

}  // namespace sorna
