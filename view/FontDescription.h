#pragma once

#include <cstdint>
#include <string>

namespace sorna {

// The view font as the settings describe it; the drawing side makes the real font from it.
struct FontDescription {
    std::u16string faceName;  // at most kMaxFaceLength code units
    int32_t size = 0;         // character height in pixels
    bool rotated = false;     // text runs bottom to top, a quarter turn
    bool bold = false;

    static constexpr size_t kMaxFaceLength = 31;

    bool operator==(const FontDescription&) const = default;
};

}  // namespace sorna
