#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace sorna {

// The nearest 32-bit value: geometry from hand-edited settings clamps rather than wraps.
inline int32_t Saturate(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

}  // namespace sorna
