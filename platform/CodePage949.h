#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace sorna {

// Korean code page 949 to UTF-16 by ICU's "windows-949" table (not ICU's "cp949", which is IBM's
// table). Every byte or pair of bytes gives one code unit, so `bytes` never needs more than
// bytes.size() units. What is no character becomes U+FFFD; when a bad lead byte is followed by an
// ASCII byte, only the lead byte is replaced and the ASCII character is kept. Writes at most
// out.size() code units and returns how many it wrote.
size_t DecodeCodePage949(std::span<const uint8_t> bytes, std::span<char16_t> out);

}  // namespace sorna
