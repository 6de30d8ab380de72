#include "view/LineTable.h"

#include <algorithm>
#include <limits>

namespace sorna {

void LineTable::Free() {
    entries_.reset();
    count_ = 0;
    capacity_ = 0;
}

// realloc rather than allocate-and-copy: a long document grows the table a thousand times by
// the capped step, and the allocator can usually extend or remap the block without copying.
bool LineTable::Grow() {
    constexpr int64_t kMaxEntries = std::numeric_limits<int32_t>::max();
    if (capacity_ >= kMaxEntries) {
        return false;
    }
    const int64_t step = std::clamp(count_ / 8, 4, 1024);
    const int64_t wanted = std::min(std::max<int64_t>(count_ + 1, capacity_ + step), kMaxEntries);
    void* grown = std::realloc(entries_.get(), size_t(wanted) * sizeof(int32_t));
    if (grown == nullptr) {
        return false;
    }
    static_cast<void>(entries_.release());  // realloc already freed or reused it
    entries_.reset(static_cast<int32_t*>(grown));
    std::fill(entries_.get() + capacity_, entries_.get() + wanted, 0);
    capacity_ = int32_t(wanted);
    return true;
}

}  // namespace sorna
