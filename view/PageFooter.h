#pragma once

#include <cstdint>
#include <string>

namespace sorna {

class TextView;

// What the figures below the text say: the page, the count of pages and the percentage read
// ("123 / 4,567쪽 · 37.2%"), after the title of the chapter the top line is in when the chapters
// are known. The title is cut, with an ellipsis, so that the whole line fits `width` pixels as
// the view's font measures it; it is left out when not even a letter of it would.
std::u16string FooterText(const TextView& view, int64_t width);

}  // namespace sorna
