#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>

#include "document/ZipEnd.h"

namespace sorna {

// One entry as the central directory lists it, with ZIP64 sizes and offset in place.
struct ZipEntry {
    uint64_t localHeaderAt = 0;
    uint64_t packedSize = 0;
    uint64_t size = 0;
    uint32_t crc = 0;
    uint16_t method = 0;
    uint16_t flags = 0;
};

// The entries by their names' bytes, which are views into the archive's bytes.
using ZipEntries = std::unordered_map<std::string_view, ZipEntry>;

// The entries of the central directory that `end` places in `bytes`; none when the directory
// does not lie within the bytes or does not hold as many whole records as `end` says. Of two
// entries with one name the first is kept.
std::optional<ZipEntries> ReadZipDirectory(std::span<const uint8_t> bytes, const ZipEnd& end);

// The packed bytes of `entry`, which follow its local header; none when the header or the bytes
// do not lie within `bytes`.
std::optional<std::span<const uint8_t>> PackedBytes(std::span<const uint8_t> bytes,
                                                    const ZipEntry& entry);

}  // namespace sorna
