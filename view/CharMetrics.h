#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace sorna {

// Widths of the view font as layout uses them: one width per code unit below 256, and for the
// code units from 256 up either a single width, that of U+AC00, or one width each. Kerning is
// never consulted.
struct CharMetrics {
    static constexpr char16_t kWideFrom = 256;  // the first code unit wideWidth stands for

    std::array<int32_t, 256> charWidths{};
    int32_t wideWidth = 0;
    int32_t wideHeight = 0;  // cell height of U+AC00
    // Empty while every code unit from kWideFrom up takes wideWidth; otherwise the width of each
    // of them, in order, as when a face without Hangul draws some of them itself.
    std::vector<int32_t> wideWidths;

    int32_t Width(char16_t c) const {
        if (c < kWideFrom) {
            return charWidths[c];
        }
        return wideWidths.empty() ? wideWidth : wideWidths[c - kWideFrom];
    }
};

}  // namespace sorna
