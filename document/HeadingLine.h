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
std::u16string_view TrimLine(std::u16string_view line);

// Whether a trimmed line that begins with this unit can be a heading at all: most lines are
// turned down here, by their first unit.
[[nodiscard]] bool MayStartHeading(char16_t first);

// Reads a trimmed, non-empty source line as a heading: its form, number and level, or none when
// it is not one of the heading forms or reads like a sentence of body text. Whether it belongs
// to a sequence of headings is for the caller to judge.
std::optional<HeadingLine> ReadHeadingLine(std::u16string_view line);

}  // namespace sorna
