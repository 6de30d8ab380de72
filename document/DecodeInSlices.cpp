#include "document/DecodeInSlices.h"

#include <algorithm>

namespace sorna {
namespace {

void NoteCheckpoint(const SliceControl& control, size_t byte, size_t unit) {
    if (control.checkpoints != nullptr) {
        control.checkpoints->push_back({control.firstByte + byte, unit});
    }
}

// The end of the slice from `from`: the first byte from `from + sliceBytes` on where decoding
// starts afresh, or the end of the bytes.
size_t SliceEnd(std::span<const uint8_t> bytes, size_t from, size_t sliceBytes,
                bool (*startsAfresh)(uint8_t)) {
    if (bytes.size() - from <= sliceBytes) {
        return bytes.size();
    }
    const auto cut = std::find_if(bytes.begin() + static_cast<std::ptrdiff_t>(from + sliceBytes),
                                  bytes.end(), startsAfresh);
    return static_cast<size_t>(cut - bytes.begin());
}

}  // namespace

std::optional<size_t> DecodeInSlices(std::span<const uint8_t> bytes, std::span<char16_t> out,
                                     const PartDecoding& decoding, const SliceControl& control,
                                     size_t sliceBytes) {
    size_t written = 0;
    for (size_t from = 0; from < bytes.size();) {
        if (control.stop.stop_requested()) {
            return std::nullopt;
        }
        const size_t end = SliceEnd(bytes, from, sliceBytes, decoding.startsAfresh);
        NoteCheckpoint(control, from, written);
        const std::optional<size_t> slice =
            DecodeInParts(bytes.subspan(from, end - from), out.subspan(written), decoding);
        if (!slice) {
            return std::nullopt;
        }
        written += *slice;
        from = end;
    }
    return written;
}

std::optional<size_t> DecodeUtf16InSlices(TextEncoding encoding, std::span<const uint8_t> bytes,
                                          std::span<char16_t> out, const SliceControl& control,
                                          size_t sliceBytes) {
    const size_t units = std::min(bytes.size() / 2, out.size());
    const size_t sliceUnits = std::max<size_t>(sliceBytes / 2, 1);
    for (size_t from = 0; from < units; from += sliceUnits) {
        if (control.stop.stop_requested()) {
            return std::nullopt;
        }
        const size_t count = std::min(sliceUnits, units - from);
        DecodeUtf16InParts(encoding, bytes.subspan(2 * from, 2 * count), out.subspan(from, count));
    }
    return units;
}

}  // namespace sorna
