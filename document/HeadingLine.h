#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sorna {

// The longest line, trimmed, that can be a heading; a line that names its kind in words
// ("CHAPTER", "제 … 장") may be longer, as a title that follows the number makes it.
inline constexpr size_t kShortLine = 50;
inline constexpr size_t kLongHeadingLine = 80;

// What a heading line says of itself.
struct HeadingLine {
    // Numbered headings of one form share this value: how the number is framed (제 … 장, N화,
    // CHAPTER N, [N화], #N, …) and written (Arabic, Hangul, Hanja or Roman numerals, English
    // words). Zero for a word heading (프롤로그, 외전, PROLOGUE, …), which has no number.
    uint32_t form = 0;
    int32_t number = 0;
    // 1 for a part (부, 편, 권, BOOK, PART, VOLUME), 2 for a chapter (장, 화, 막, CHAPTER, #N),
    // 3 for a section (절); 0 for a word heading, whose level the other headings decide.
    int32_t level = 0;

    [[nodiscard]] bool Numbered() const { return form != 0; }
};

// White space as lines hold it: ASCII spaces and controls, the no-break and ideographic spaces.
[[nodiscard]] inline bool IsLineSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\f' || unit == u'\v' ||
           unit == 0x00A0 || unit == 0x3000 || unit == 0xFEFF;
}

// The line without white space at its ends.
[[nodiscard]] inline std::u16string_view TrimLine(std::u16string_view line) {
    while (!line.empty() && IsLineSpace(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && IsLineSpace(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

// Whether a trimmed, non-empty line can be a heading at all, by its first units: most lines
// are turned down here.
[[nodiscard]] inline bool MayStartHeading(std::u16string_view line) {
    const char16_t first = line.front();
    if (first >= 0x80) {
        switch (first) {
            case u'제':
            case u'〈':
            case u'《':
            case u'【':
            case u'프':
            case u'에':
            case u'서':
            case u'종':
            case u'후':
            case u'외':
            case u'작':
                return true;
            default:
                return first >= 0xFF01 && first <= 0xFF5E;  // fullwidth forms of ASCII
        }
    }
    if ((first >= u'0' && first <= u'9') || first == u'[' || first == u'<' || first == u'#') {
        return true;
    }
    if (first < u'A' || first > u'Z' || line.size() < 4) {
        return false;
    }
    // The first three letters, in lower case, of an English heading's first word.
    uint32_t head = 0;
    for (size_t i = 0; i < 3; ++i) {
        if (line[i] >= 0x80) {
            return false;
        }
        head = head << 8 | (line[i] | 0x20);
    }
    constexpr auto kHead = [](const char(&word)[4]) {
        return uint32_t(word[0]) << 16 | uint32_t(word[1]) << 8 | uint32_t(word[2]);
    };
    switch (head) {
        case kHead("cha"):
        case kHead("boo"):
        case kHead("par"):
        case kHead("vol"):
        case kHead("pro"):
        case kHead("epi"):
        case kHead("pre"):
        case kHead("fir"):
        case kHead("sec"):
        case kHead("thi"):
            return true;
        default:
            return false;
    }
}

// Reads a trimmed, non-empty source line as a heading: its form, number and level, or none when
// it is not one of the heading forms or reads like a sentence of body text. Whether it belongs
// to a sequence of headings is for the caller to judge.
std::optional<HeadingLine> ReadHeadingLine(std::u16string_view line);

}  // namespace sorna
