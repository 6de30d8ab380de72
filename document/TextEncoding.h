#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace sorna {

enum class TextEncoding { CodePage949, Utf8, Utf16Le, Utf16Be };

// UTF-16 in this machine's byte order, as a text buffer holds it.
inline constexpr TextEncoding kNativeUtf16 =
    std::endian::native == std::endian::little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;

struct EncodingChoice {
    TextEncoding encoding = TextEncoding::CodePage949;
    size_t markSize =
        0;  // bytes of the byte-order mark that starts the file, dropped from the text
};

// The encoding a byte-order mark at the start names, if there is one: EF BB BF is UTF-8, FF FE
// little-endian and FE FF big-endian UTF-16 (these two only in files of at least 4 bytes).
std::optional<EncodingChoice> EncodingByMark(std::span<const uint8_t> bytes);

// How a document's bytes are to be read. A byte-order mark decides: EF BB BF is UTF-8, FF FE
// little-endian and FE FF big-endian UTF-16 (these two only in files of at least 4 bytes). Without
// one, bytes that are well-formed UTF-8 and hold at least one character beyond ASCII are UTF-8,
// also when their end cuts their last character short.
// Everything else is code page 949; no Korean code page 949 text is also well-formed UTF-8.
EncodingChoice DetectEncoding(std::span<const uint8_t> bytes);

// Bytes per code unit of the encoded stream: 2 for UTF-16, 1 for the byte encodings.
constexpr size_t UnitWidth(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be ? 2 : 1;
}

}  // namespace sorna
