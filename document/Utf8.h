#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace sorna {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF) holding at least one character beyond ASCII.
bool IsMultiByteUtf8(std::span<const uint8_t> bytes);

// UTF-8 to UTF-16 in the same pass that checks it: the number of code units written when the
// bytes are UTF-8 as IsMultiByteUtf8 tells it, none otherwise (what was written is then of no
// use). `out` must have room for bytes.size() units.
std::optional<size_t> DecodeWellFormedUtf8(std::span<const uint8_t> bytes, std::span<char16_t> out);

// UTF-8 to UTF-16; each ill-formed sequence becomes U+FFFD. Never needs more than bytes.size()
// code units. Writes at most out.size() and returns how many it wrote.
size_t DecodeUtf8(std::span<const uint8_t> bytes, std::span<char16_t> out);

}  // namespace sorna
