#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/DecodedBytes.h"

namespace sorna {

// Korean Johab to UTF-16. A byte below 0x80 is ASCII; a Hangul pair spells its initial, vowel
// and final in five bits each and becomes the precomposed syllable, or a compatibility letter
// when only one of the three is present; a symbol or Hanja pair stands for the character of the
// same place in KS X 1001. Every byte or pair gives one code unit, U+FFFD for what is no
// character, so `bytes` never needs more than bytes.size() units. Writes at most out.size().
DecodedBytes DecodeJohab(std::span<const uint8_t> bytes, std::span<char16_t> out);

// How many bytes the character that starts at bytes[0] takes: 1 or 2.
size_t JohabCharacterLength(std::span<const uint8_t> bytes);

}  // namespace sorna
