#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace sorna {

// A newest-first list of the reading history: index 0 is the head. Loading from the registry
// appends in stored order; the operations of each list put new elements at the head.
template <typename T>
class HistoryList {
public:
    // Adds an element at the end, as loading does: no check, no limit.
    void Append(T element) { entries_.push_back(std::move(element)); }
    const std::vector<T>& Entries() const { return entries_; }

    bool operator==(const HistoryList&) const = default;

protected:
    void InsertAtHead(T element) { entries_.insert(entries_.begin(), std::move(element)); }

    // Puts element at the head after removing every element that is the same as it, then drops
    // the last element if the list has grown past limit. Only one is dropped per call, so a
    // longer list loaded from the registry shrinks one step at a time.
    template <typename Same>
    void InsertUniqueAtHead(T element, Same same, size_t limit) {
        std::erase_if(entries_, [&](const T& old) { return same(old, element); });
        InsertAtHead(std::move(element));
        if (entries_.size() > limit) {
            entries_.pop_back();
        }
    }

    void EraseAt(size_t index) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        if (entries_.empty()) {
            Clear();
        }
    }

    // An emptied list gives its storage back.
    void Clear() { std::vector<T>().swap(entries_); }

private:
    std::vector<T> entries_;
};

}  // namespace sorna
