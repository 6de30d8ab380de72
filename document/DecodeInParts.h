#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "document/TextEncoding.h"
#include "platform/DecodedBytes.h"
#include "platform/ParallelParts.h"

namespace sorna {

// Documents shorter than two parts of this many bytes are decoded on the calling thread alone.
constexpr size_t kDecodePartBytes = size_t{4} << 20;

// What cutting a text into parts that decode at once needs to know of its encoding.
struct PartDecoding {
    // Decodes one part as far as `out` has room; none when it refuses the bytes.
    std::function<std::optional<DecodedBytes>(std::span<const uint8_t>, std::span<char16_t>)>
        decode;
    // Whether decoding starts afresh at this byte whatever came before: parts are cut there.
    bool (*startsAfresh)(uint8_t byte);
    // The code units that the bytes most likely decode to, at most one per byte.
    size_t (*estimate)(std::span<const uint8_t> bytes);
};

// UTF-8 checked as it is decoded (a part refuses ill-formed bytes), UTF-8 with U+FFFD for what
// is ill-formed, and code page 949.
extern const PartDecoding kStrictUtf8Parts;
extern const PartDecoding kUtf8Parts;
extern const PartDecoding kCodePage949Parts;

// How text of one byte or pair per unit decodes in parts: UTF-8 with U+FFFD for what is
// ill-formed, or code page 949.
const PartDecoding& PartDecodingOf(TextEncoding encoding);

// Decodes `bytes` into `out`, which has room for one code unit per byte, in parts at once, as
// `parting` cuts them (by default one per hardware thread); the text is the same as from one part.
// Each part is written where the estimates of the parts before it end, and moved down when they
// came out shorter. When a part comes out longer than its estimate, the rest from there is decoded
// in one part. Returns the code units written, or none when a part refuses its bytes.
std::optional<size_t> DecodeInParts(std::span<const uint8_t> bytes, std::span<char16_t> out,
                                    const PartDecoding& decoding,
                                    Parting parting = Parting::PerThread(kDecodePartBytes));

// Decodes UTF-16 of the given byte order into `out`, which has room for bytes.size() / 2 code
// units, in parts at once as `parting` cuts them; the text is the same as from one part (an odd
// last byte is dropped). Returns the code units written.
size_t DecodeUtf16InParts(TextEncoding encoding, std::span<const uint8_t> bytes,
                          std::span<char16_t> out,
                          Parting parting = Parting::PerThread(kDecodePartBytes));

}  // namespace sorna
