#include "document/ZipDirectory.h"

#include <utility>

#include "document/ZipFields.h"

namespace sorna {
namespace {

constexpr uint32_t kDirectorySignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr uint64_t kLeastRecordSize = 46;
constexpr uint16_t kZip64ExtraId = 0x0001;
constexpr uint64_t kZip64Marker = 0xFFFF'FFFF;

// Puts in place the sizes and offset that the record leaves to its ZIP64 extra field, in the
// order they come there; false when the field falls short of them.
bool ReadZip64Extra(std::span<const uint8_t> extra, ZipEntry& entry) {
    ZipFields blocks(extra, 0);
    while (!blocks.AtEnd()) {
        const uint16_t id = blocks.U16();
        ZipFields block(blocks.Bytes(blocks.U16()), 0);
        if (blocks.Failed()) {
            break;  // a stray tail of the extra field, as some tools leave
        }
        if (id != kZip64ExtraId) {
            continue;
        }
        for (uint64_t* field : {&entry.size, &entry.packedSize, &entry.localHeaderAt}) {
            if (*field == kZip64Marker) {
                *field = block.U64();
            }
        }
        return !block.Failed();
    }
    return true;
}

// The record at the directory's place, which moves past it; none when it is no whole record.
std::optional<std::pair<std::string_view, ZipEntry>> ReadRecord(ZipFields& directory) {
    if (directory.U32() != kDirectorySignature) {
        return std::nullopt;
    }
    directory.Skip(2 + 2);  // the versions made by and needed
    ZipEntry entry;
    entry.flags = directory.U16();
    entry.method = directory.U16();
    directory.Skip(2 + 2);  // the time and date
    entry.crc = directory.U32();
    entry.packedSize = directory.U32();
    entry.size = directory.U32();
    const uint16_t nameLength = directory.U16();
    const uint16_t extraLength = directory.U16();
    const uint16_t commentLength = directory.U16();
    directory.Skip(2 + 2 + 4);  // the disk and the attributes
    entry.localHeaderAt = directory.U32();
    const std::span<const uint8_t> name = directory.Bytes(nameLength);
    const std::span<const uint8_t> extra = directory.Bytes(extraLength);
    directory.Skip(commentLength);
    if (directory.Failed() || !ReadZip64Extra(extra, entry)) {
        return std::nullopt;
    }
    return std::pair(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()),
                     entry);
}

}  // namespace

std::optional<ZipEntries> ReadZipDirectory(std::span<const uint8_t> bytes, const ZipEnd& end) {
    if (end.directoryAt > bytes.size() || end.directorySize > bytes.size() - end.directoryAt ||
        end.entryCount > end.directorySize / kLeastRecordSize) {
        return std::nullopt;
    }
    ZipFields directory(bytes.subspan(end.directoryAt, end.directorySize), 0);
    ZipEntries entries;
    entries.reserve(end.entryCount);
    for (uint64_t n = 0; n < end.entryCount; ++n) {
        std::optional<std::pair<std::string_view, ZipEntry>> record = ReadRecord(directory);
        if (!record) {
            return std::nullopt;
        }
        entries.insert(*record);
    }
    return entries;
}

std::optional<std::span<const uint8_t>> PackedBytes(std::span<const uint8_t> bytes,
                                                    const ZipEntry& entry) {
    ZipFields local(bytes, entry.localHeaderAt);
    if (local.U32() != kLocalSignature) {
        return std::nullopt;
    }
    local.Skip(2 + 2 + 2 + 2 + 2 + 4 + 4 + 4);  // what the central directory says better
    const uint16_t nameLength = local.U16();
    const uint16_t extraLength = local.U16();
    local.Skip(uint64_t{nameLength} + extraLength);
    const std::span<const uint8_t> packed = local.Bytes(entry.packedSize);
    return local.Failed() ? std::nullopt : std::optional(packed);
}

}  // namespace sorna
