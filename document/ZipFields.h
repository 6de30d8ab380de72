#pragma once

#include <cstdint>
#include <span>

namespace sorna {

// Little-endian fields read in turn from a record in an archive's bytes. A read that would run
// past the end gives 0 (or no bytes) and leaves the reader failed, so a record is read whole and
// checked once.
class ZipFields {
public:
    // The record that starts `at` bytes into `bytes`; failed at once when that is past the end.
    ZipFields(std::span<const uint8_t> bytes, uint64_t at)
        : bytes_(bytes), at_(at), failed_(at > bytes.size()) {}

    uint16_t U16() { return static_cast<uint16_t>(Number(2)); }
    uint32_t U32() { return static_cast<uint32_t>(Number(4)); }
    uint64_t U64() { return Number(8); }
    void Skip(uint64_t count) { static_cast<void>(Bytes(count)); }

    // The next `count` bytes.
    std::span<const uint8_t> Bytes(uint64_t count) {
        if (failed_ || count > bytes_.size() - at_) {
            failed_ = true;
            return {};
        }
        const std::span<const uint8_t> field = bytes_.subspan(at_, count);
        at_ += count;
        return field;
    }

    [[nodiscard]] bool Failed() const { return failed_; }
    // Whether every byte has been read.
    [[nodiscard]] bool AtEnd() const { return failed_ || at_ == bytes_.size(); }

private:
    uint64_t Number(uint64_t size) {
        const std::span<const uint8_t> field = Bytes(size);
        uint64_t value = 0;
        for (size_t n = field.size(); n-- > 0;) {
            value = value << 8 | field[n];
        }
        return value;
    }

    std::span<const uint8_t> bytes_;
    uint64_t at_;
    bool failed_;
};

}  // namespace sorna
