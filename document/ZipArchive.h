#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/ZipDirectory.h"

namespace sorna {

// Why an archive or one of its entries could not be read.
enum class ZipProblem {
    None,
    // Not a zip archive, cut short, or an entry that is neither stored nor deflated, is
    // encrypted, or does not inflate or check.
    Damaged,
    TooManyEntries,
    TooLarge,  // the entries read so far would inflate past the allowance
};

// How many inflated bytes may still come out of one archive, shared by every ZipArchive that
// reads it, on any thread.
class InflateAllowance {
public:
    explicit InflateAllowance(uint64_t bytes) : left_(static_cast<int64_t>(bytes)) {}

    // Takes `bytes` from what is left; false once more has been taken than there was.
    bool Take(uint64_t bytes) {
        return left_.fetch_sub(static_cast<int64_t>(bytes)) >= static_cast<int64_t>(bytes);
    }

private:
    std::atomic<int64_t> left_;
};

// A zip archive read where its bytes lie (a mapped file), never written out nor copied: entries
// are looked up by name and inflated into memory. Every entry read draws on an allowance of
// inflated bytes, counted as the bytes come out, whatever sizes the archive declares.
class ZipArchive {
public:
    // More entries than this make an archive no book, and are not looked through.
    static constexpr int64_t kMostEntries = 65'536;

    // The bytes and the allowance must outlive the archive.
    ZipArchive(std::span<const uint8_t> bytes, InflateAllowance& allowance);
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Damaged or TooManyEntries when the archive could not be opened; then nothing can be read.
    [[nodiscard]] ZipProblem OpenProblem() const { return openProblem_; }
    [[nodiscard]] int64_t EntryCount() const { return entryCount_; }
    [[nodiscard]] bool Has(const std::string& name) const;

    // The inflated bytes of the entry named exactly `name`: none when there is no such entry
    // (the problem stays None) or it cannot be read whole within the allowance.
    std::optional<std::vector<uint8_t>> Read(const std::string& name, ZipProblem& problem);

private:
    std::span<const uint8_t> bytes_;
    ZipEntries entries_;
    ZipProblem openProblem_ = ZipProblem::None;
    int64_t entryCount_ = 0;
    InflateAllowance& allowance_;
};

}  // namespace sorna
