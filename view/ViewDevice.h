#pragma once

#include "view/CharMetrics.h"
#include "view/FontDescription.h"

namespace sorna {

// What the view needs from the screen it shows pages on. The page canvas implements it for the
// main window.
class ViewDevice {
public:
    virtual ~ViewDevice() = default;

    // Advance widths of code units 0..255, the advance and height of U+AC00 and, when a face
    // without Hangul draws some code units above U+00FF, the width of each, as the font so
    // described measures them.
    virtual CharMetrics MeasureChars(const FontDescription& font) = 0;

    // Draws the page from the view's top line and shows it at once.
    virtual void Repaint() = 0;
};

}  // namespace sorna
