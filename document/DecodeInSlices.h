#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "document/ByteCheckpoint.h"
#include "document/DecodeInParts.h"

namespace sorna {

// Bytes decoded between two looks at a stop request, and between two checkpoints: a few
// milliseconds of decoding in parts.
constexpr size_t kDecodeSliceBytes = size_t{8} << 20;

// How a decoding in slices is steered and what it leaves behind.
struct SliceControl {
    std::stop_token stop;                      // looked at before every slice
    size_t firstByte = 0;                      // the file's byte that bytes[0] is
    std::vector<ByteCheckpoint>* checkpoints;  // each slice's start is added; may be null
};

// Decodes `bytes` into `out` (room for one unit per byte) a slice at a time, each cut where
// decoding starts afresh and decoded in parts at once: the text is the same as from one part.
// The units written; none when a part refused its bytes or a stop was requested.
std::optional<size_t> DecodeInSlices(std::span<const uint8_t> bytes, std::span<char16_t> out,
                                     const PartDecoding& decoding, const SliceControl& control,
                                     size_t sliceBytes = kDecodeSliceBytes);

// UTF-16 of the given byte order the same way, a slice at a time, into room for
// bytes.size() / 2 units; none when a stop was requested.
std::optional<size_t> DecodeUtf16InSlices(TextEncoding encoding, std::span<const uint8_t> bytes,
                                          std::span<char16_t> out, const SliceControl& control,
                                          size_t sliceBytes = kDecodeSliceBytes);

}  // namespace sorna
