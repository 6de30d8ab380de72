#pragma once

#include <cstdint>

namespace sorna {

// The fifteen codes of the device's hardware buttons, 0xC1-0xCF: the only codes a key slot takes
// from the key capture and the only ones a window claims.
inline constexpr uint32_t kFirstHardwareKey = 0xC1;
inline constexpr uint32_t kLastHardwareKey = 0xCF;

constexpr bool IsHardwareKeyCode(uint32_t code) {
    return code >= kFirstHardwareKey && code <= kLastHardwareKey;
}

}  // namespace sorna
