#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorna {

// Code units of the line text that a proposed bookmark label keeps.
inline constexpr size_t kBookmarkLabelTextLength = 15;

// The label offered for a new bookmark: the start of the top line's text (of the next line's
// when the top line is blank) and the reading position as a percentage of the text, as in
// "Once upon a tim [25.0%]". The main window offers none for an empty text; 0% stands in then.
std::u16string ProposedBookmarkLabel(std::u16string_view topLineText,
                                     std::u16string_view nextLineText, int32_t readingPosition,
                                     int32_t textLength);

}  // namespace sorna
