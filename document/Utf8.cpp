#include "document/Utf8.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstring>

namespace sorna {
namespace {

// Length of the run of ASCII bytes at `from`, found eight bytes at a time.
size_t AsciiRun(std::span<const uint8_t> bytes, size_t from) {
    size_t i = from;
    while (i + 8 <= bytes.size()) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if ((word & 0x8080808080808080ULL) != 0) {
            break;
        }
        i += 8;
    }
    while (i < bytes.size() && bytes[i] < 0x80) {
        ++i;
    }
    return i - from;
}

// Most Korean and other BMP text is three-byte sequences that need no range checks (E0 and ED
// lead bytes, which do, are left to ICU).
bool IsPlainThreeBytes(const uint8_t* s, size_t i, size_t length) {
    const uint8_t lead = s[i];
    return (lead & 0xF0) == 0xE0 && lead != 0xE0 && lead != 0xED && i + 2 < length &&
           (s[i + 1] & 0xC0) == 0x80 && (s[i + 2] & 0xC0) == 0x80;
}

char16_t PlainThreeBytes(const uint8_t* s, size_t i) {
    return static_cast<char16_t>((s[i] & 0x0F) << 12 | (s[i + 1] & 0x3F) << 6 | (s[i + 2] & 0x3F));
}

}  // namespace

bool IsMultiByteUtf8(std::span<const uint8_t> bytes) {
    const uint8_t* s = bytes.data();
    const size_t length = bytes.size();
    bool multiByte = false;
    size_t i = 0;
    while (i < length) {
        i += AsciiRun(bytes, i);
        if (i == length) {
            break;
        }
        multiByte = true;
        if (IsPlainThreeBytes(s, i, length)) {
            i += 3;
            continue;
        }
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return multiByte;
}

size_t DecodeUtf8(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    const uint8_t* s = bytes.data();
    const size_t length = bytes.size();
    size_t i = 0;
    size_t written = 0;
    while (i < length && written < out.size()) {
        if (s[i] < 0x80) {
            const size_t ascii = std::min(AsciiRun(bytes, i), out.size() - written);
            std::copy(s + i, s + i + ascii, out.data() + written);
            i += ascii;
            written += ascii;
            continue;
        }
        if (IsPlainThreeBytes(s, i, length)) {
            out[written++] = PlainThreeBytes(s, i);
            i += 3;
            continue;
        }
        UChar32 c;
        U8_NEXT_OR_FFFD(s, i, length, c);
        if (U16_LENGTH(c) > out.size() - written) {
            break;
        }
        U16_APPEND_UNSAFE(out.data(), written, c);
    }
    return written;
}

}  // namespace sorna
