#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "view/FontDescription.h"
#include "view/Justification.h"
#include "view/ViewRect.h"

namespace sorna {

class TextView;

// One row of a page: its rectangle and the text it shows, which ends before the line's first
// carriage return or line feed, but for line ends that join two lines of a paragraph: each of
// them shows as a space.
struct PageRow {
    ViewRect rect;
    std::u16string text;
    Justification justification;  // how the text is stretched to the row

    bool operator==(const PageRow&) const = default;
};

// The part of row `row` that a find's occurrence covers.
struct PageHighlight {
    ViewRect rect;
    size_t row = 0;

    bool operator==(const PageHighlight&) const = default;
};

// A rectangle filled with one colour (0x00BBGGRR).
struct PageFill {
    ViewRect rect;
    uint32_t colour = 0;

    bool operator==(const PageFill&) const = default;
};

// Everything a page shows, decided before anything is drawn. Rows run from top to bottom, or,
// when `upward`, are strips from left to right whose text reads upward from the strip's bottom
// with the tops of the glyphs toward its left edge.
struct PagePlan {
    uint32_t backColour = 0;
    uint32_t textColour = 0;
    FontDescription font;
    bool upward = false;
    std::vector<PageRow> rows;
    // The gauge, then the share of it filled; none without lines.
    std::vector<PageFill> positionBar;
    // While no document is open: how to open one, centred in `hintArea` and wrapped at spaces.
    std::u16string_view hint;
    ViewRect hintArea;
    // Where a find's occurrence lies on the page, a rectangle for each row it spans, drawn with
    // the colours exchanged.
    std::vector<PageHighlight> highlights;
    // The chapter, the page and the percentage read ("제1장 · 12 / 345쪽 · 37.2%"), centred upright
    // in `percentArea` below the text; empty unless asked for.
    std::u16string percent;
    ViewRect percentArea;
};

// The view's page from its top line, on a client area `clientWidth` pixels wide.
PagePlan PlanPage(const TextView& view, int32_t clientWidth);

}  // namespace sorna
