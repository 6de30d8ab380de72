#include "document/ZipArchive.h"

#include <algorithm>
#include <limits>

#include "document/ZipEnd.h"
#include "document/ZipUnpack.h"

namespace sorna {

ZipArchive::ZipArchive(std::span<const uint8_t> bytes, InflateAllowance& allowance)
    : bytes_(bytes), allowance_(allowance) {
    const std::optional<ZipEnd> end = FindZipEnd(bytes);
    if (!end) {
        openProblem_ = ZipProblem::Damaged;
        return;
    }
    if (end->entryCount > kMostEntries) {
        openProblem_ = ZipProblem::TooManyEntries;
        entryCount_ = static_cast<int64_t>(
            std::min<uint64_t>(end->entryCount, std::numeric_limits<int64_t>::max()));
        return;
    }
    std::optional<ZipEntries> entries = ReadZipDirectory(bytes, *end);
    if (!entries) {
        openProblem_ = ZipProblem::Damaged;
        return;
    }
    entries_ = std::move(*entries);
    entryCount_ = static_cast<int64_t>(end->entryCount);
}

bool ZipArchive::Has(const std::string& name) const {
    return entries_.contains(name);
}

std::optional<std::vector<uint8_t>> ZipArchive::Read(const std::string& name, ZipProblem& problem) {
    const auto entry = entries_.find(name);
    if (entry == entries_.end()) {
        return std::nullopt;
    }
    const std::optional<std::span<const uint8_t>> packed = PackedBytes(bytes_, entry->second);
    if (!packed) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    return UnpackEntry(*packed, entry->second, allowance_, problem);
}

}  // namespace sorna
