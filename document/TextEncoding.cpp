#include "document/TextEncoding.h"

#include <algorithm>
#include <array>

#include "document/Utf8.h"

namespace sorna {
namespace {

constexpr std::array<uint8_t, 3> kUtf8Mark = {0xEF, 0xBB, 0xBF};
constexpr std::array<uint8_t, 2> kLittleEndianMark = {0xFF, 0xFE};
constexpr std::array<uint8_t, 2> kBigEndianMark = {0xFE, 0xFF};
// A two- or three-byte file that starts like a UTF-16 mark is taken as code page 949 text.
constexpr size_t kSmallestUtf16File = 4;

template <size_t N>
bool StartsWith(std::span<const uint8_t> bytes, const std::array<uint8_t, N>& mark) {
    return bytes.size() >= N && std::equal(mark.begin(), mark.end(), bytes.begin());
}

}  // namespace

std::optional<EncodingChoice> EncodingByMark(std::span<const uint8_t> bytes) {
    if (StartsWith(bytes, kUtf8Mark)) {
        return EncodingChoice{TextEncoding::Utf8, kUtf8Mark.size()};
    }
    if (bytes.size() >= kSmallestUtf16File) {
        if (StartsWith(bytes, kLittleEndianMark)) {
            return EncodingChoice{TextEncoding::Utf16Le, kLittleEndianMark.size()};
        }
        if (StartsWith(bytes, kBigEndianMark)) {
            return EncodingChoice{TextEncoding::Utf16Be, kBigEndianMark.size()};
        }
    }
    return std::nullopt;
}

EncodingChoice DetectEncoding(std::span<const uint8_t> bytes) {
    if (const std::optional<EncodingChoice> marked = EncodingByMark(bytes)) {
        return *marked;
    }
    if (IsMultiByteUtf8(WithoutCutCharacter(bytes))) {
        return {TextEncoding::Utf8, 0};
    }
    return {TextEncoding::CodePage949, 0};
}

}  // namespace sorna
