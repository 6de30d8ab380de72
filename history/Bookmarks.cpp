#include "history/Bookmarks.h"

namespace sorna {

void Bookmarks::AddBookmark(std::u16string_view path, int32_t position, std::u16string_view label) {
    if (path.empty() || label.empty()) {
        return;
    }
    InsertAtHead(HistoryEntry{std::u16string(path), position, std::u16string(label)});
}

void Bookmarks::DeleteBookmark(int32_t index) {
    if (index >= 0 && static_cast<size_t>(index) < Entries().size()) {
        EraseAt(static_cast<size_t>(index));
    }
}

}  // namespace sorna
