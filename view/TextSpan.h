#pragma once

#include <cstdint>

namespace sorna {

// A stretch of the text, in code units: a find's occurrence.
struct TextSpan {
    int32_t offset = 0;
    int32_t length = 0;

    bool operator==(const TextSpan&) const = default;
};

}  // namespace sorna
