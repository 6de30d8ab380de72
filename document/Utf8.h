#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/DecodedBytes.h"

namespace sorna {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond
// U+10FFFF) holding at least one character beyond ASCII.
bool IsMultiByteUtf8(std::span<const uint8_t> bytes);

// Whether the text's first 64 KiB, up to an ASCII byte, are well-formed UTF-8. Text that is not
// UTF-8 mostly shows it there, so a reader can tell without reading further that it is not.
bool StartsWellFormedUtf8(std::span<const uint8_t> bytes);

// The bytes without the character that their end cuts short, if it does: a sequence that is
// well-formed as far as it goes but lacks its last bytes, as a cut download leaves it.
std::span<const uint8_t> WithoutCutCharacter(std::span<const uint8_t> bytes);

// UTF-8 to UTF-16 in the same pass that checks it, as far as `out` has room: how far it came
// when the bytes are well-formed as IsMultiByteUtf8 tells it (beyond ASCII or not), none
// otherwise (what was written is then of no use).
std::optional<DecodedBytes> DecodeWellFormedUtf8(std::span<const uint8_t> bytes,
                                                 std::span<char16_t> out);

// UTF-8 to UTF-16; each ill-formed sequence becomes U+FFFD. Never needs more than bytes.size()
// code units. Writes at most out.size().
DecodedBytes DecodeUtf8(std::span<const uint8_t> bytes, std::span<char16_t> out);

}  // namespace sorna
