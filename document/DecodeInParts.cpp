#include "document/DecodeInParts.h"

#include <algorithm>
#include <vector>

#include "document/DecodeUnits.h"
#include "document/Utf8.h"
#include "platform/ByteCounts.h"
#include "platform/CodePage949.h"
#include "platform/ParallelParts.h"

namespace sorna {
namespace {

std::optional<DecodedBytes> DecodeWellFormed(std::span<const uint8_t> bytes,
                                             std::span<char16_t> out) {
    return DecodeWellFormedUtf8(bytes, out);
}

std::optional<DecodedBytes> DecodeAnyUtf8(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    return DecodeUtf8(bytes, out);
}

std::optional<DecodedBytes> Decode949(std::span<const uint8_t> bytes, std::span<char16_t> out) {
    return DecodeCodePage949(bytes, out);
}

bool IsAscii(uint8_t byte) {
    return byte < 0x80;
}

// Exact for well-formed UTF-8: a unit for every byte that starts a sequence, two for a
// sequence of four bytes.
size_t EstimateUtf8(std::span<const uint8_t> bytes) {
    const ByteCounts counts = CountByteClasses(bytes.data(), bytes.size());
    return bytes.size() - counts.continuation + counts.fourByteLead;
}

// Exact for text of ASCII and pairs of high bytes, the pairs that Korean text is made of.
size_t Estimate949(std::span<const uint8_t> bytes) {
    const ByteCounts counts = CountByteClasses(bytes.data(), bytes.size());
    return bytes.size() - counts.high + counts.high / 2;
}

// One part's bytes and where its code units go.
struct Part {
    std::span<const uint8_t> bytes;
    size_t start = 0;  // where the estimates of the parts before end
    size_t room = 0;
    std::optional<DecodedBytes> decoded;
};

// Each part but the last gets the room of its estimate, the last all the room that is left.
std::vector<Part> EstimateParts(std::span<const uint8_t> bytes, const std::vector<size_t>& bounds,
                                const PartDecoding& decoding, size_t capacity) {
    std::vector<Part> parts(bounds.size() - 1);
    for (size_t k = 0; k < parts.size(); ++k) {
        parts[k].bytes = bytes.subspan(bounds[k], bounds[k + 1] - bounds[k]);
    }
    RunParts(parts.size() - 1, [&](size_t k) {
        parts[k].room = std::min(decoding.estimate(parts[k].bytes), parts[k].bytes.size());
    });
    for (size_t k = 1; k < parts.size(); ++k) {
        parts[k].start = parts[k - 1].start + parts[k - 1].room;
    }
    parts.back().room = capacity - parts.back().start;
    return parts;
}

// Moves the parts' code units together, in order; how many there are, none when a part refused
// its bytes. A part that came out longer than its room is decoded again with the rest of the
// text: every part before it came out no longer than its room, so the units so far end no later
// than where its bytes begin, and one unit per byte from there fits.
std::optional<size_t> JoinParts(std::span<const uint8_t> bytes, std::span<char16_t> out,
                                const std::vector<Part>& parts, const PartDecoding& decoding) {
    size_t end = 0;
    for (const Part& part : parts) {
        if (!part.decoded) {
            return std::nullopt;
        }
        if (part.decoded->read < part.bytes.size()) {
            const size_t from = static_cast<size_t>(part.bytes.data() - bytes.data());
            const std::optional<DecodedBytes> rest =
                decoding.decode(bytes.subspan(from), out.subspan(end));
            return rest ? std::optional(end + rest->written) : std::nullopt;
        }
        if (part.start != end) {
            std::copy_n(out.begin() + part.start, part.decoded->written, out.begin() + end);
        }
        end += part.decoded->written;
    }
    return end;
}

}  // namespace

const PartDecoding kStrictUtf8Parts = {DecodeWellFormed, IsAscii, EstimateUtf8};
const PartDecoding kUtf8Parts = {DecodeAnyUtf8, IsAscii, EstimateUtf8};
const PartDecoding kCodePage949Parts = {Decode949, StartsAfreshIn949, Estimate949};

const PartDecoding& PartDecodingOf(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? kUtf8Parts : kCodePage949Parts;
}

std::optional<size_t> DecodeInParts(std::span<const uint8_t> bytes, std::span<char16_t> out,
                                    const PartDecoding& decoding, Parting parting) {
    // Parts begin at the first byte of their share where decoding starts afresh.
    const std::vector<size_t> bounds = PartBounds(
        bytes.size(), parting.PartsFor(static_cast<int64_t>(bytes.size())),
        [&](size_t from, size_t end) {
            return static_cast<size_t>(
                std::find_if(bytes.begin() + from, bytes.begin() + end, decoding.startsAfresh) -
                bytes.begin());
        });
    if (bounds.size() == 2) {
        const std::optional<DecodedBytes> whole = decoding.decode(bytes, out);
        return whole ? std::optional(whole->written) : std::nullopt;
    }
    std::vector<Part> parts = EstimateParts(bytes, bounds, decoding, out.size());
    RunParts(parts.size(), [&](size_t k) {
        parts[k].decoded =
            decoding.decode(parts[k].bytes, out.subspan(parts[k].start, parts[k].room));
    });
    return JoinParts(bytes, out, parts, decoding);
}

// Every two bytes are one unit whatever came before, so a part may begin at any unit and is
// written where its first unit's bytes say.
size_t DecodeUtf16InParts(TextEncoding encoding, std::span<const uint8_t> bytes,
                          std::span<char16_t> out, Parting parting) {
    const size_t units = std::min(bytes.size() / 2, out.size());
    const std::vector<size_t> bounds =
        PartBounds(units, parting.PartsFor(static_cast<int64_t>(bytes.size())),
                   [](size_t from, size_t) { return from; });
    RunParts(bounds.size() - 1, [&](size_t k) {
        const size_t count = bounds[k + 1] - bounds[k];
        DecodeUnits(encoding, bytes.subspan(2 * bounds[k], 2 * count),
                    out.subspan(bounds[k], count));
    });
    return units;
}

}  // namespace sorna
