#pragma once

#include <cstdint>

#include "view/ViewRect.h"

namespace sorna {

// Width of the position bar at the client area's edge, in pixels.
inline constexpr int32_t kScrollBarWidth = 3;

struct PositionBar {
    ViewRect bar;     // the whole gauge, as tall as the text area
    ViewRect filled;  // its part from the top, in proportion to the first line shown
};

// The gauge for a page from `firstLine` of a table of `entryCount` entries: at the left edge of
// the client area or at its right edge. Nothing is filled on the first page or when the table
// has fewer than two entries; the closing entry fills it to the text area's bottom.
PositionBar PositionBarRects(int32_t clientWidth, const ViewRect& textArea, bool leftBar,
                             int32_t firstLine, int32_t entryCount);

}  // namespace sorna
