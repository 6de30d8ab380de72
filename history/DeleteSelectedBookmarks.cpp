#include "history/DeleteSelectedBookmarks.h"

#include <algorithm>
#include <functional>

namespace sorna {

std::vector<int32_t> DeleteSelectedBookmarks(Bookmarks& bookmarks,
                                             std::span<const int32_t> selectedRows) {
    std::vector<int32_t> rows(selectedRows.begin(), selectedRows.end());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const auto count = static_cast<int32_t>(bookmarks.Entries().size());
    std::erase_if(rows, [count](int32_t row) { return row < 0 || row >= count; });
    for (const int32_t row : rows) {
        bookmarks.DeleteBookmark(row);
    }
    return rows;
}

}  // namespace sorna
