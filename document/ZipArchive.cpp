#include "document/ZipArchive.h"

#include <zip.h>

#include <algorithm>

namespace sorna {
namespace {

constexpr size_t kReadStep = size_t{256} << 10;
// What an entry's declared size may reserve at once; a larger entry grows as it inflates.
constexpr uint64_t kMostReserved = uint64_t{64} << 20;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

zip_t* OpenFromBytes(std::span<const uint8_t> bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* archive = source != nullptr ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (archive == nullptr && source != nullptr) {
        zip_source_free(source);
    }
    zip_error_fini(&error);
    return archive;
}

}  // namespace

void ZipArchive::Closer::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipArchive::ZipArchive(std::span<const uint8_t> bytes, InflateAllowance& allowance)
    : archive_(OpenFromBytes(bytes)), allowance_(allowance) {
    if (!archive_) {
        openProblem_ = ZipProblem::Damaged;
        return;
    }
    entryCount_ = zip_get_num_entries(archive_.get(), 0);
    if (entryCount_ > kMostEntries) {
        openProblem_ = ZipProblem::TooManyEntries;
        archive_.reset();
    }
}

ZipArchive::~ZipArchive() = default;

bool ZipArchive::Has(const std::string& name) const {
    return archive_ && zip_name_locate(archive_.get(), name.c_str(), 0) >= 0;
}

std::optional<std::vector<uint8_t>> ZipArchive::Read(const std::string& name, ZipProblem& problem) {
    const zip_int64_t index = archive_ ? zip_name_locate(archive_.get(), name.c_str(), 0) : -1;
    if (index < 0) {
        return std::nullopt;
    }
    return ReadEntry(static_cast<uint64_t>(index), problem);
}

// The declared size only sizes the first reservation; the reads stop where the allowance ends.
std::optional<std::vector<uint8_t>> ZipArchive::ReadEntry(uint64_t index, ZipProblem& problem) {
    const std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive_.get(), index, 0));
    zip_stat_t stat;
    if (!file || zip_stat_index(archive_.get(), index, 0, &stat) != 0) {
        problem = ZipProblem::Damaged;
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    const uint64_t declared = (stat.valid & ZIP_STAT_SIZE) != 0 ? stat.size : 0;
    bytes.reserve(std::min(declared, kMostReserved));
    for (;;) {
        const size_t at = bytes.size();
        bytes.resize(at + kReadStep);
        const zip_int64_t got = zip_fread(file.get(), bytes.data() + at, kReadStep);
        if (got < 0) {
            problem = ZipProblem::Damaged;
            return std::nullopt;
        }
        bytes.resize(at + static_cast<size_t>(got));
        if (!allowance_.Take(static_cast<uint64_t>(got))) {
            problem = ZipProblem::TooLarge;
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
    }
}

}  // namespace sorna
