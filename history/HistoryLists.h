#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The reading history: the recent files, the recent searches and the bookmarks.
namespace sorna {

// One recent file or bookmark: the document's full path, the reading position (code-unit offset
// of the top line's first character, -1 when nothing was laid out), for bookmarks a label, and
// for recent files the name of the encoding the document was chosen to be read in, empty for the
// automatic decision, and the byte of the file where the reading position begins, -1 when it is
// not known.
struct HistoryEntry {
    std::u16string path;
    int32_t position = -1;
    std::u16string label;
    std::u16string encoding;
    int32_t byte = -1;

    bool operator==(const HistoryEntry&) const = default;
};

// A newest-first list of the reading history: index 0 is the head. Loading from the registry
// appends in stored order; the operations of each list put new elements at the head.
template <typename T>
class HistoryList {
public:
    // Adds an element at the end, as loading does: no check, no limit.
    void Append(T element) { entries_.push_back(std::move(element)); }
    const std::vector<T>& Entries() const { return entries_; }
    // A copy of element n (0 = head), none for an index outside the list. A copy, because what
    // the caller does next may reorder the list.
    std::optional<T> At(int32_t n) const {
        return n >= 0 && size_t(n) < entries_.size() ? std::optional<T>(entries_[size_t(n)])
                                                     : std::nullopt;
    }

    bool operator==(const HistoryList&) const = default;

protected:
    void InsertAtHead(T element) { entries_.insert(entries_.begin(), std::move(element)); }

    // Puts element at the head after removing every element that is the same as it, then drops
    // the last element if the list has grown past limit. Only one is dropped per call; loading
    // never fills a list past its limit.
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

// The documents read lately, newest first, each path once (compared code unit by code unit),
// with the reading position where each was left.
class RecentFiles : public HistoryList<HistoryEntry> {
public:
    static constexpr size_t kLimit = 30;

    // Moves path to the head with position and the encoding chosen for it; an empty path is
    // ignored.
    void RememberFile(std::u16string_view path, int32_t position, std::u16string_view encoding = {},
                      int32_t byte = -1);
    // The first entry for path, from the head.
    std::optional<HistoryEntry> FindRecent(std::u16string_view path) const;
    // The head entry's path, or the empty string.
    std::u16string MostRecentFile() const;
    void ClearRecentFiles() { Clear(); }

    bool operator==(const RecentFiles&) const = default;
};

// The strings searched for, newest first, each once (compared code unit by code unit).
class RecentSearches : public HistoryList<std::u16string> {
public:
    static constexpr size_t kLimit = 20;

    // Moves text to the head. The find dialog never passes an empty text; it is not checked here.
    void RememberSearch(std::u16string_view text);
    // The head element, or the empty string.
    std::u16string LatestSearch() const;
    void ClearSearches() { Clear(); }

    bool operator==(const RecentSearches&) const = default;
};

// Places the user marked with a label, newest first; no limit, and the same place may be marked
// more than once.
class Bookmarks : public HistoryList<HistoryEntry> {
public:
    // Puts a bookmark at the head; ignored when path or label is empty.
    void AddBookmark(std::u16string_view path, int32_t position, std::u16string_view label);
    // Removes the bookmark at index (0 = head); an index outside the list does nothing.
    void DeleteBookmark(int32_t index);
    void ClearBookmarks() { Clear(); }

    bool operator==(const Bookmarks&) const = default;
};

// Deletes the bookmarks whose rows are selected (each row once), from the bottom row up, so that
// every row still to be deleted keeps the index of its bookmark. Returns the rows in the order
// they went, for the list that shows them to follow.
std::vector<int32_t> DeleteSelectedBookmarks(Bookmarks& bookmarks,
                                             std::vector<int32_t> selectedRows);

}  // namespace sorna
