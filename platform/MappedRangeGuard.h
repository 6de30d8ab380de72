#pragma once

#include <cstddef>

namespace sorna {

// Keeps reading a file mapping safe when another program truncates the file underneath it. While
// the guard lives, a bus error on a page of its range does not kill the process: the pages from
// there to the end of the range are replaced by zero pages, so the reader runs on over zeros, and
// Tripped() turns true for the caller to discard what it read. Bus errors elsewhere go on to
// whatever handled them before.
class MappedRangeGuard {
public:
    MappedRangeGuard(const void* begin, size_t size);
    ~MappedRangeGuard();
    MappedRangeGuard(const MappedRangeGuard&) = delete;
    MappedRangeGuard& operator=(const MappedRangeGuard&) = delete;

    [[nodiscard]] bool Tripped() const;

private:
    int slot_ = -1;  // -1 when every slot was taken: the range is then unguarded
};

}  // namespace sorna
