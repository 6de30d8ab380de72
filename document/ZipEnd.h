#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace sorna {

// What the end of a zip archive says of its central directory: how many entries it lists and
// where it lies.
struct ZipEnd {
    uint64_t entryCount = 0;
    uint64_t directorySize = 0;
    uint64_t directoryAt = 0;
};

// The end record of the archive in `bytes`, or the ZIP64 end record it leads to when there is
// one; none when neither can be read. The directory it places is not looked at.
std::optional<ZipEnd> FindZipEnd(std::span<const uint8_t> bytes);

}  // namespace sorna
