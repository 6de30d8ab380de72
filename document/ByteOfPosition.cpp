#include "document/ByteOfPosition.h"

#include <algorithm>
#include <limits>

#include "document/DecodeUnits.h"
#include "document/DecodingPlan.h"
#include "document/ReadingWindow.h"
#include "platform/MappedFile.h"

namespace sorna {

std::optional<int64_t> ByteOfPosition(const DocumentText& document,
                                      std::span<const uint8_t> fileBytes, int32_t position) {
    const std::optional<TextEncoding> encoding = BuiltInByName(document.encoding);
    const auto& checkpoints = document.checkpoints;
    if (!encoding || checkpoints.empty() || position < 0) {
        return std::nullopt;
    }
    const auto after = std::upper_bound(
        checkpoints.begin(), checkpoints.end(), size_t(position),
        [](size_t unit, const ByteCheckpoint& checkpoint) { return unit < checkpoint.unit; });
    const ByteCheckpoint& from = *std::prev(after);
    if (from.byte > fileBytes.size()) {
        return std::nullopt;
    }
    const DecodedBytes walked =
        WalkDecodedUnits(*encoding, fileBytes.subspan(from.byte), size_t(position) - from.unit,
                         std::numeric_limits<size_t>::max());
    return int64_t(from.byte + walked.read);
}

std::optional<int64_t> ByteOfPositionInFile(const DocumentText& document, int32_t position) {
    if (document.checkpoints.empty()) {
        return std::nullopt;
    }
    MappedFile file;
    if (!file.Open(document.documentPath) || !file.CreateMapping() ||
        file.Size() < kWindowedOpenBytes || !file.MapView()) {
        return std::nullopt;
    }
    const std::optional<int64_t> byte = ByteOfPosition(document, file.Bytes(), position);
    return file.Faulted() ? std::nullopt : byte;
}

}  // namespace sorna
