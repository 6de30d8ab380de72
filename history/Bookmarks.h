#pragma once

#include <string_view>

#include "history/HistoryEntry.h"
#include "history/HistoryList.h"

namespace sorna {

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

}  // namespace sorna
