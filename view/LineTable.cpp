#include "view/LineTable.h"

#include <algorithm>
#include <limits>

namespace sorna {

void LineTable::Free() {
    entries_.reset();
    count_ = 0;
    capacity_ = 0;
}

// The step is an eighth of the count without an upper bound: a fixed largest step would make
// the growth linear, and the first layout of a long document would spend as long copying the
// table as breaking the lines. realloc can often extend the block in place.
bool LineTable::Grow(int64_t needed) {
    constexpr int64_t kMaxEntries = std::numeric_limits<int32_t>::max();
    if (int64_t{count_} + needed > kMaxEntries) {
        return false;
    }
    const int64_t step = std::max(count_ / 8, 4);
    const int64_t wanted =
        std::min(std::max<int64_t>(count_ + needed, capacity_ + step), kMaxEntries);
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

bool LineTable::AppendAll(std::span<const int32_t> entries) {
    const auto needed = static_cast<int64_t>(entries.size());
    if (count_ + needed > capacity_ && !Grow(needed)) {
        return false;
    }
    std::copy(entries.begin(), entries.end(), entries_.get() + count_);
    count_ += static_cast<int32_t>(needed);
    return true;
}

}  // namespace sorna
