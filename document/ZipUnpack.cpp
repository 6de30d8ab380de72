#include "document/ZipUnpack.h"

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace sorna {
namespace {

constexpr size_t kStep = size_t{256} << 10;
// What an entry's declared size may reserve at once; a larger entry grows as it inflates.
constexpr uint64_t kMostReserved = uint64_t{64} << 20;
// The most packed bytes handed to zlib at once, whose counts are 32 bits.
constexpr size_t kMostFed = size_t{1} << 30;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kEncryptedFlag = 1;

// A stored entry's bytes, copied out a step at a time.
class StoredSource {
public:
    explicit StoredSource(std::span<const uint8_t> packed) : left_(packed) {}

    // Fills as much of `to` as the bytes go: how many were copied.
    std::optional<size_t> Fill(std::span<uint8_t> to) {
        const size_t count = std::min(to.size(), left_.size());
        std::memcpy(to.data(), left_.data(), count);
        left_ = left_.subspan(count);
        return count;
    }

private:
    std::span<const uint8_t> left_;
};

// A deflated entry's bytes, inflated a step at a time.
class DeflatedSource {
public:
    explicit DeflatedSource(std::span<const uint8_t> packed)
        : left_(packed), started_(inflateInit2(&stream_, -MAX_WBITS) == Z_OK), sound_(started_) {}
    ~DeflatedSource() {
        if (started_) {
            inflateEnd(&stream_);
        }
    }
    DeflatedSource(const DeflatedSource&) = delete;
    DeflatedSource& operator=(const DeflatedSource&) = delete;

    // Fills as much of `to` as the deflate stream goes: how many bytes came out, or none when the
    // data is damaged or ends before its stream does.
    std::optional<size_t> Fill(std::span<uint8_t> to) {
        stream_.next_out = to.data();
        stream_.avail_out = static_cast<uInt>(to.size());
        while (sound_ && !ended_ && stream_.avail_out > 0) {
            Feed();
            const int result = inflate(&stream_, Z_NO_FLUSH);
            ended_ = result == Z_STREAM_END;
            sound_ = result == Z_OK || ended_;
        }
        return sound_ ? std::optional(to.size() - stream_.avail_out) : std::nullopt;
    }

private:
    void Feed() {
        if (stream_.avail_in == 0) {
            const size_t count = std::min(left_.size(), kMostFed);
            stream_.next_in = left_.data();
            stream_.avail_in = static_cast<uInt>(count);
            left_ = left_.subspan(count);
        }
    }

    z_stream stream_{};
    std::span<const uint8_t> left_;
    bool started_;
    bool sound_;  // no error so far
    bool ended_ = false;
};

// The source's bytes to their end, checked against the entry's size and CRC-32.
template <typename Source>
std::optional<std::vector<uint8_t>> Drain(Source& source, const ZipEntry& entry,
                                          InflateAllowance& allowance, ZipProblem& problem) {
    std::vector<uint8_t> bytes;
    bytes.reserve(std::min(entry.size, kMostReserved));
    uLong crc = crc32(0, nullptr, 0);
    for (;;) {
        const size_t at = bytes.size();
        bytes.resize(at + kStep);
        const std::optional<size_t> got = source.Fill(std::span(bytes).subspan(at));
        if (!got) {
            problem = ZipProblem::Damaged;
            return std::nullopt;
        }
        bytes.resize(at + *got);
        if (!allowance.Take(*got)) {
            problem = ZipProblem::TooLarge;
            return std::nullopt;
        }
        if (*got == 0) {
            break;
        }
        crc = crc32(crc, bytes.data() + at, static_cast<uInt>(*got));
    }
    if (bytes.size() != entry.size || crc != entry.crc) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<std::vector<uint8_t>> UnpackEntry(std::span<const uint8_t> packed,
                                                const ZipEntry& entry, InflateAllowance& allowance,
                                                ZipProblem& problem) {
    const bool encrypted = (entry.flags & kEncryptedFlag) != 0;
    if (!encrypted && entry.method == kStored) {
        StoredSource source(packed);
        return Drain(source, entry, allowance, problem);
    }
    if (!encrypted && entry.method == kDeflated) {
        DeflatedSource source(packed);
        return Drain(source, entry, allowance, problem);
    }
    problem = ZipProblem::Damaged;
    return std::nullopt;
}

}  // namespace sorna
