#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/MappedRangeGuard.h"

namespace sorna {

// A file opened for reading and mapped into memory whole and read-only, in the steps a loader
// reports on one by one: Open, CreateMapping, MapView. The view and the descriptor are released
// with the object, whichever step failed.
class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // False when the path cannot be opened for reading.
    [[nodiscard]] bool Open(std::u16string_view path);
    // False unless the open file is a regular file: nothing else can be mapped (a pipe or device
    // would also block or never end).
    [[nodiscard]] bool CreateMapping();
    uint64_t Size() const { return size_; }
    // False when the view cannot be mapped; LastError() then holds the system's error number. An
    // empty file has no view and no bytes.
    [[nodiscard]] bool MapView();
    int LastError() const { return lastError_; }

    std::span<const uint8_t> Bytes() const;
    // The file shrank while mapped: the part that went missing read as zeros.
    [[nodiscard]] bool Faulted() const { return guard_ && guard_->Tripped(); }

private:
    int descriptor_ = -1;
    uint64_t size_ = 0;
    void* view_ = nullptr;  // the mapped view, released by munmap
    std::optional<MappedRangeGuard> guard_;
    int lastError_ = 0;
};

}  // namespace sorna
