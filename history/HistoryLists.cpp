#include "history/HistoryLists.h"

#include <functional>

namespace sorna {

void RecentFiles::RememberFile(std::u16string_view path, int32_t position,
                               std::u16string_view encoding, int32_t byte) {
    if (path.empty()) {
        return;
    }
    const auto samePath = [](const HistoryEntry& a, const HistoryEntry& b) {
        return a.path == b.path;
    };
    InsertUniqueAtHead(
        HistoryEntry{std::u16string(path), position, {}, std::u16string(encoding), byte}, samePath,
        kLimit);
}

std::optional<HistoryEntry> RecentFiles::FindRecent(std::u16string_view path) const {
    for (const HistoryEntry& entry : Entries()) {
        if (entry.path == path) {
            return entry;
        }
    }
    return std::nullopt;
}

std::u16string RecentFiles::MostRecentFile() const {
    return Entries().empty() ? std::u16string() : Entries().front().path;
}

void RecentSearches::RememberSearch(std::u16string_view text) {
    InsertUniqueAtHead(std::u16string(text), std::equal_to<>(), kLimit);
}

std::u16string RecentSearches::LatestSearch() const {
    return Entries().empty() ? std::u16string() : Entries().front();
}

void Bookmarks::AddBookmark(std::u16string_view path, int32_t position, std::u16string_view label) {
    if (path.empty() || label.empty()) {
        return;
    }
    InsertAtHead(HistoryEntry{std::u16string(path), position, std::u16string(label), {}});
}

void Bookmarks::DeleteBookmark(int32_t index) {
    if (index >= 0 && static_cast<size_t>(index) < Entries().size()) {
        EraseAt(static_cast<size_t>(index));
    }
}

std::vector<int32_t> DeleteSelectedBookmarks(Bookmarks& bookmarks,
                                             std::vector<int32_t> selectedRows) {
    std::sort(selectedRows.begin(), selectedRows.end(), std::greater<>());
    for (const int32_t row : selectedRows) {
        bookmarks.DeleteBookmark(row);
    }
    return selectedRows;
}

}  // namespace sorna
