#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/DecodedBytes.h"

namespace sorna {

// Korean code page 949 to UTF-16 by ICU's "windows-949" table (not ICU's "cp949", which is IBM's
// table). Every byte or pair of bytes gives one code unit, so `bytes` never needs more than
// bytes.size() units. What is no character becomes U+FFFD; when a bad lead byte is followed by an
// ASCII byte, only the lead byte is replaced and the ASCII character is kept. Writes at most
// out.size() code units.
DecodedBytes DecodeCodePage949(std::span<const uint8_t> bytes, std::span<char16_t> out);

// Whether decoding starts afresh at `byte` whatever came before: no lead byte takes it as the
// second byte of a pair.
bool StartsAfreshIn949(uint8_t byte);

}  // namespace sorna
