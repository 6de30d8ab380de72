#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace sorna {

// The text a text resource holds: its code page 949 bytes decoded as documents are. Line ends
// stay as they are stored.
std::u16string TextResourceText(std::span<const uint8_t> bytes);

}  // namespace sorna
