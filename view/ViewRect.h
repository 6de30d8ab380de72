#pragma once

#include <cstdint>

namespace sorna {

// A rectangle in device pixels; right and bottom are exclusive. Extents are 64-bit so that
// hand-edited margins cannot overflow them.
struct ViewRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int64_t Width() const { return int64_t{right} - left; }
    int64_t Height() const { return int64_t{bottom} - top; }

    bool operator==(const ViewRect&) const = default;
};

}  // namespace sorna
