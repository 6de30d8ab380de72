#include "document/ZipEnd.h"

#include "document/ZipFields.h"

namespace sorna {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint64_t kEndSize = 22;
constexpr uint64_t kLocatorSize = 20;
constexpr uint64_t kLongestComment = 65'535;

// Whether an end record starts at `at`, its comment ending within the bytes.
bool IsEndRecord(std::span<const uint8_t> bytes, uint64_t at) {
    ZipFields record(bytes, at);
    if (record.U32() != kEndSignature) {
        return false;
    }
    record.Skip(16);
    const uint16_t commentLength = record.U16();
    return !record.Failed() && commentLength <= bytes.size() - at - kEndSize;
}

// Where the last end record starts, looked for back from the end over the longest comment.
std::optional<uint64_t> EndRecordAt(std::span<const uint8_t> bytes) {
    if (bytes.size() < kEndSize) {
        return std::nullopt;
    }
    const uint64_t last = bytes.size() - kEndSize;
    const uint64_t first = last > kLongestComment ? last - kLongestComment : 0;
    for (uint64_t at = last + 1; at-- > first;) {
        if (bytes[at] == 'P' && IsEndRecord(bytes, at)) {
            return at;
        }
    }
    return std::nullopt;
}

// Where the ZIP64 end record lies, as the locator just before the end record says; none when
// there is no locator.
std::optional<uint64_t> Zip64EndAt(std::span<const uint8_t> bytes, uint64_t endAt) {
    if (endAt < kLocatorSize) {
        return std::nullopt;
    }
    ZipFields locator(bytes, endAt - kLocatorSize);
    if (locator.U32() != kZip64LocatorSignature) {
        return std::nullopt;
    }
    locator.Skip(4);  // the disk of the ZIP64 end record
    return locator.U64();
}

std::optional<ZipEnd> ReadZip64End(std::span<const uint8_t> bytes, uint64_t at) {
    ZipFields record(bytes, at);
    if (record.U32() != kZip64EndSignature) {
        return std::nullopt;
    }
    record.Skip(8 + 2 + 2 + 4 + 4 + 8);  // its size, versions, disks and entries on this disk
    const ZipEnd end{record.U64(), record.U64(), record.U64()};
    return record.Failed() ? std::nullopt : std::optional(end);
}

ZipEnd ReadEnd(std::span<const uint8_t> bytes, uint64_t at) {
    ZipFields record(bytes, at + 4);
    record.Skip(2 + 2 + 2);  // the disks and the entries on this disk
    return ZipEnd{record.U16(), record.U32(), record.U32()};
}

}  // namespace

std::optional<ZipEnd> FindZipEnd(std::span<const uint8_t> bytes) {
    const std::optional<uint64_t> endAt = EndRecordAt(bytes);
    if (!endAt) {
        return std::nullopt;
    }
    if (const std::optional<uint64_t> zip64At = Zip64EndAt(bytes, *endAt)) {
        return ReadZip64End(bytes, *zip64At);
    }
    return ReadEnd(bytes, *endAt);
}

}  // namespace sorna
