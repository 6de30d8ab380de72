#include "document/DecodeUnits.h"

#include <algorithm>
#include <vector>

#include "document/Utf8.h"
#include "platform/CodePage949.h"

namespace sorna {
namespace {

// Units decoded at a time when walking.
constexpr size_t kWalkUnits = size_t{64} << 10;

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

// A step that would read past the limit is taken again at half its units, so that near the limit
// the walk closes in on the last character that ends inside it.
DecodedBytes WalkDecodedUnits(TextEncoding encoding, std::span<const uint8_t> bytes, size_t units,
                              size_t byteLimit) {
    std::vector<char16_t> room(std::min(units, kWalkUnits));
    const size_t end = std::min(byteLimit, bytes.size());
    DecodedBytes walked;
    size_t step = room.size();
    while (step > 0 && walked.written < units && walked.read < end) {
        const size_t want = std::min(step, units - walked.written);
        const DecodedBytes done =
            DecodeUnits(encoding, bytes.subspan(walked.read), {room.data(), want});
        if (done.written == 0 || walked.read + done.read > end) {
            step = want / 2;
            continue;
        }
        walked.read += done.read;
        walked.written += done.written;
    }
    return walked;
}

}  // namespace sorna
