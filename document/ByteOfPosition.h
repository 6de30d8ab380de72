#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "document/DocumentText.h"

namespace sorna {

// The byte of `fileBytes` where the code unit at `position` of the document's text begins,
// found by decoding on from the last checkpoint before it; none for a text without checkpoints
// or a negative position. A window of a text holds the checkpoint it begins at.
std::optional<int64_t> ByteOfPosition(const DocumentText& document,
                                      std::span<const uint8_t> fileBytes, int32_t position);

// The same in the document's file as it is now; none also when it cannot be read, and for a
// file short enough to be read whole at once (kWindowedOpenBytes), which needs no byte.
std::optional<int64_t> ByteOfPositionInFile(const DocumentText& document, int32_t position);

}  // namespace sorna
