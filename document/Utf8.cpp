#include "document/Utf8.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>

#include "platform/AsciiRun.h"

namespace sorna {
namespace {

// How far one pass over UTF-8 came.
struct Utf8Pass {
    DecodedBytes decoded;
    bool wellFormed = true;  // false when a strict pass stopped at an ill-formed sequence
};

// One pass over UTF-8: ASCII runs widened in blocks, and the three-byte sequences of Hangul and
// most of the rest of the BMP decoded here, since they need no range checks (E0 and ED lead
// bytes, which do, are left to ICU with everything else). A strict pass stops at the first
// ill-formed sequence; otherwise each becomes U+FFFD.
template <bool kStrict>
Utf8Pass DecodePass(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    const uint8_t* s = bytes.data();
    const size_t length = bytes.size();
    Utf8Pass pass;
    size_t& written = pass.decoded.written;
    size_t& i = pass.decoded.read;
    while (i < length && written < out.size()) {
        const uint8_t lead = s[i];
        if (lead < 0x80) {
            const size_t room = std::min(length - i, out.size() - written);
            const size_t ascii = WidenAsciiRun(s + i, room, out.data() + written);
            i += ascii;
            written += ascii;
            continue;
        }
        if ((lead & 0xF0) == 0xE0 && lead != 0xE0 && lead != 0xED && i + 2 < length &&
            (s[i + 1] & 0xC0) == 0x80 && (s[i + 2] & 0xC0) == 0x80) {
            out[written++] = static_cast<char16_t>((lead & 0x0F) << 12 | (s[i + 1] & 0x3F) << 6 |
                                                   (s[i + 2] & 0x3F));
            i += 3;
            continue;
        }
        UChar32 c;
        size_t next = i;
        if constexpr (kStrict) {
            U8_NEXT(s, next, length, c);
            if (c < 0) {
                pass.wellFormed = false;
                return pass;
            }
        } else {
            U8_NEXT_OR_FFFD(s, next, length, c);
        }
        // A character that does not fit is not read: the caller decodes it again from here.
        if (U16_LENGTH(c) > out.size() - written) {
            break;
        }
        i = next;
        U16_APPEND_UNSAFE(out.data(), written, c);
    }
    return pass;
}

}  // namespace

bool IsMultiByteUtf8(std::span<const uint8_t> bytes) {
    const uint8_t* s = bytes.data();
    const size_t length = bytes.size();
    bool multiByte = false;
    size_t i = 0;
    while (i < length) {
        i += AsciiRunLength(s + i, length - i);
        if (i == length) {
            break;
        }
        multiByte = true;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return multiByte;
}

std::span<const uint8_t> WithoutCutCharacter(std::span<const uint8_t> bytes) {
    // Signed, as the macro looks up to three bytes back from the end.
    auto length = static_cast<int64_t>(bytes.size());
    U8_TRUNCATE_IF_INCOMPLETE(bytes.data(), int64_t{0}, length);
    return bytes.first(static_cast<size_t>(length));
}

std::optional<DecodedBytes> DecodeWellFormedUtf8(std::span<const uint8_t> bytes,
                                                 std::span<char16_t> out) {
    const Utf8Pass pass = DecodePass<true>(bytes, out);
    if (!pass.wellFormed) {
        return std::nullopt;
    }
    return pass.decoded;
}

DecodedBytes DecodeUtf8(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    return DecodePass<false>(bytes, out).decoded;
}

bool StartsWellFormedUtf8(std::span<const uint8_t> bytes) {
    size_t end = std::min(bytes.size(), size_t{64} << 10);
    while (end > 0 && end < bytes.size() && bytes[end] >= 0x80) {
        --end;
    }
    const std::span<const uint8_t> start = bytes.first(end);
    return AsciiRunLength(start.data(), start.size()) == start.size() || IsMultiByteUtf8(start);
}

}  // namespace sorna
