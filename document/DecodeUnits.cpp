#include "document/DecodeUnits.h"

#include <algorithm>

#include "document/Utf8.h"
#include "platform/CodePage949.h"

namespace sorna {
namespace {

template <bool kBigEndian>
DecodedBytes DecodeUtf16(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    const size_t count = std::min(bytes.size() / 2, out.size());
    for (size_t i = 0; i < count; ++i) {
        out[i] = Utf16UnitAt<kBigEndian>(bytes.data(), i);
    }
    // An odd last byte is read and dropped.
    return {count == bytes.size() / 2 ? bytes.size() : count * 2, count};
}

}  // namespace

DecodedBytes DecodeUnits(TextEncoding encoding, std::span<const uint8_t> bytes,
                         std::span<char16_t> out) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return DecodeUtf8(bytes, out);
        case TextEncoding::Utf16Le:
            return DecodeUtf16<false>(bytes, out);
        case TextEncoding::Utf16Be:
            return DecodeUtf16<true>(bytes, out);
        case TextEncoding::CodePage949:
            break;
    }
    return DecodeCodePage949(bytes, out);
}

}  // namespace sorna
