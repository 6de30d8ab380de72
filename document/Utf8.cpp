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
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) {
            return false;
        }
        multiByte = true;
    }
    return multiByte;
}

size_t DecodeUtf8(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    const uint8_t* s = bytes.data();
    const size_t length = bytes.size();
    size_t i = 0;
    size_t written = 0;
    while (i < length && written < out.size()) {
        const size_t ascii = std::min(AsciiRun(bytes, i), out.size() - written);
        std::copy(s + i, s + i + ascii, out.data() + written);
        i += ascii;
        written += ascii;
        if (i == length || written == out.size()) {
            break;
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
