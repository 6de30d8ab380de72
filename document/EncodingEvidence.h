#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/TextEncoding.h"

namespace sorna {

// Evidence of an encoding in a document's first bytes, for texts without a byte-order mark.

// UTF-16 without a mark: the zero bytes of ASCII characters, spaces and line feeds fall on one
// side of the pairs in the first 64 KiB, at least four times as often as on the other and in at
// least one pair of a hundred, while code page 949 and UTF-8 text has none at all.
std::optional<TextEncoding> Utf16ByZeroBytes(std::span<const uint8_t> bytes);

// "UTF-32BE" or "UTF-32LE" when the bytes start with that encoding's byte-order mark
// (00 00 FE FF, FF FE 00 00), else empty.
std::string_view Utf32ByMark(std::span<const uint8_t> bytes);

// ISO-2022-KR's designator "ESC $ ) C" in the first 64 KiB.
bool HasIso2022KrDesignator(std::span<const uint8_t> bytes);

// The charset an HTML page declares in its first 1,024 bytes, by <meta charset=...> or by the
// content type of <meta http-equiv=...>, as written; empty when none.
std::string DeclaredCharset(std::span<const uint8_t> bytes);

}  // namespace sorna
