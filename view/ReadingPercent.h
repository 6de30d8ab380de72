#pragma once

#include <cstdint>

namespace sorna {

// How far into a text of `length` code units a reading position lies, in percent; 0 for an
// empty text.
constexpr double ReadingPercent(int32_t position, int32_t length) {
    return length > 0 ? position * 100.0 / length : 0.0;
}

}  // namespace sorna
