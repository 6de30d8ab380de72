#pragma once

#include <cstdint>

namespace sorna {

// The settings keep colours as 0x00BBGGRR values.
struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

constexpr Rgb SplitColourRef(uint32_t colour) {
    return {uint8_t(colour & 0xFF), uint8_t((colour >> 8) & 0xFF), uint8_t((colour >> 16) & 0xFF)};
}

}  // namespace sorna
