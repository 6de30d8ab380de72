#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <utility>

namespace sorna {

// Start offsets of the display lines, closed by the text length: line n spans entry n up to
// entry n + 1. The storage grows by a step of one eighth of the count, at least 4 entries, and
// is kept when the table is emptied for a new pass.
class LineTable {
public:
    LineTable() = default;
    // A table moved from is empty, without storage.
    LineTable(LineTable&& other) noexcept { *this = std::move(other); }
    LineTable& operator=(LineTable&& other) noexcept {
        entries_ = std::move(other.entries_);
        count_ = std::exchange(other.count_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        return *this;
    }

    int32_t Count() const { return count_; }
    int32_t Capacity() const { return capacity_; }
    [[nodiscard]] bool Empty() const { return count_ == 0; }
    int32_t operator[](int32_t n) const { return entries_[n]; }
    std::span<const int32_t> Entries() const { return {entries_.get(), size_t(count_)}; }

    // False, with the table unchanged, when there is no memory for another entry.
    [[nodiscard]] bool Append(int32_t offset) {
        if (count_ == capacity_ && !Grow()) {
            return false;
        }
        entries_[count_++] = offset;
        return true;
    }

    // False, with the table unchanged, when there is no memory for all of `entries`.
    [[nodiscard]] bool AppendAll(std::span<const int32_t> entries);

    // Forgets the entries and keeps the storage.
    void Clear() { count_ = 0; }

    // Forgets the entries and releases the storage.
    void Free();

private:
    struct FreeStorage {
        void operator()(int32_t* entries) const { std::free(entries); }
    };

    [[nodiscard]] bool Grow(int64_t needed = 1);

    std::unique_ptr<int32_t[], FreeStorage> entries_;
    int32_t count_ = 0;
    int32_t capacity_ = 0;
};

}  // namespace sorna
