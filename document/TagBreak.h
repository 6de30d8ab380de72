#pragma once

#include <string_view>

namespace sorna {

// A tag's inner text without the white space at its ends (ICU's white-space test).
std::u16string_view TrimTag(std::u16string_view tag);

// Whether text, lower-cased, begins with `prefix` (lower-case ASCII).
[[nodiscard]] bool StartsWithLower(std::u16string_view text, std::string_view prefix);

// The line feeds a tag stands for in plain text, from its inner text (attributes and a leading
// "/" included): "\n" for br and /tr, "\n\n" for p and pre, nothing for any other tag.
std::u16string_view TagBreak(std::u16string_view tag);

}  // namespace sorna
