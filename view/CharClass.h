#pragma once

#include <array>
#include <cstdint>

namespace sorna {

// What a code unit is to line breaking, word picking and the dictionary lookup.
enum class CharClass : uint8_t {
    Letter = 1,     // letters, digits and everything else up to U+0100
    Wide = 2,       // above U+0100: Korean syllables, Hanja, symbols
    LineFeed = 3,   // U+000A
    Space = 4,      // space, tab, carriage return
    BreakMark = 5,  // ASCII punctuation that may start or end a line
    End = 6,        // U+0000: the text's terminator, or a NUL inside it
};

// The punctuation that breaks runs of letters, so paths and addresses can wrap at it.
inline constexpr std::array<char16_t, 32> kBreakMarks = {
    u'`', u'~', u'!',  u'@', u'#', u'$',  u'%', u'^', u'&', u'*', u'(',
    u')', u'_', u'-',  u'+', u'=', u'\\', u'|', u'[', u'{', u']', u'}',
    u';', u':', u'\'', u'"', u'/', u'?',  u'.', u'>', u',', u'<',
};

namespace detail {

constexpr CharClass ClassifyNarrow(char16_t c) {
    if (c == u' ' || c == u'\t' || c == u'\r') {
        return CharClass::Space;
    }
    if (c == u'\n') {
        return CharClass::LineFeed;
    }
    if (c == 0) {
        return CharClass::End;
    }
    for (char16_t mark : kBreakMarks) {
        if (c == mark) {
            return CharClass::BreakMark;
        }
    }
    return CharClass::Letter;
}

// Every code unit up to U+0100, then one entry that stands for all above it.
constexpr std::array<CharClass, 0x102> MakeClasses() {
    std::array<CharClass, 0x102> classes{};
    for (char16_t c = 0; c <= 0x100; ++c) {
        classes[c] = ClassifyNarrow(c);
    }
    classes[0x101] = CharClass::Wide;
    return classes;
}

inline constexpr std::array<CharClass, 0x102> kClasses = MakeClasses();

}  // namespace detail

// Code units above U+0100 are all of class Wide.
constexpr bool IsWide(char16_t c) {
    return c > 0x100;
}

// Constant time and without a branch: one table built from the break marks.
constexpr CharClass ClassifyChar(char16_t c) {
    return detail::kClasses[IsWide(c) ? 0x101 : c];
}

}  // namespace sorna
