#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "document/TextEncoding.h"
#include "platform/DecodedBytes.h"

namespace sorna {

// Decodes bytes of the given encoding to UTF-16: never more than bytes.size() / UnitWidth code
// units (an odd last byte of UTF-16 is dropped). Writes at most out.size() units.
DecodedBytes DecodeUnits(TextEncoding encoding, std::span<const uint8_t> bytes,
                         std::span<char16_t> out);

// How far DecodeUnits comes from the start of `bytes` before it has written `units` units or
// before its next character would read past `byteLimit`: a place in its text and the byte it
// comes of, found without room for the whole text. A character cut by either limit is not read.
DecodedBytes WalkDecodedUnits(TextEncoding encoding, std::span<const uint8_t> bytes, size_t units,
                              size_t byteLimit);

// The code unit at `index` of a UTF-16 byte stream.
template <bool kBigEndian>
char16_t Utf16UnitAt(const uint8_t* bytes, size_t index) {
    const uint8_t first = bytes[2 * index];
    const uint8_t second = bytes[2 * index + 1];
    return kBigEndian ? static_cast<char16_t>(first << 8 | second)
                      : static_cast<char16_t>(second << 8 | first);
}

}  // namespace sorna
