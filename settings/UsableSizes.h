#pragma once

#include <cstdint>

#include "settings/NumberBox.h"

namespace sorna {

// The font size, margins and line spacing a page is laid out with: what was stored or typed,
// taken only as far as it keeps the page readable. A font is 5 to 200 pixels, 5 being the least
// the settings dialog's arrows have always offered. A margin or the line spacing takes no more
// than a third of the extent it takes its room from, so the text keeps at least a third of the
// page, and none is negative: a row is as high as its font, so that nothing of it is drawn under
// the next, and the dialog never offered less than 0.
inline constexpr NumberRange kUsableFontSizes{5, 200};

int32_t UsableFontSize(int32_t size);

// The margins or line spacings of a page (or text area) `extent` pixels long, and where space
// falls among them.
NumberRange UsableSpaces(int64_t extent);
int32_t UsableSpace(int32_t space, int64_t extent);

}  // namespace sorna
