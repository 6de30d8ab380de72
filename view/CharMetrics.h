#pragma once

#include <array>
#include <cstdint>

namespace sorna {

// Widths of the view font as layout uses them: one width per code unit below 256 and a single
// width, that of U+AC00, for every code unit from 256 up. Kerning is never consulted.
struct CharMetrics {
    std::array<int32_t, 256> charWidths{};
    int32_t wideWidth = 0;
    int32_t wideHeight = 0;  // cell height of U+AC00

    int32_t Width(char16_t c) const { return c < 256 ? charWidths[c] : wideWidth; }
};

}  // namespace sorna
