#include "history/DeleteSelectedBookmarks.h"

#include <algorithm>
#include <functional>

namespace sorna {

std::vector<int32_t> DeleteSelectedBookmarks(Bookmarks& bookmarks,
                                             std::vector<int32_t> selectedRows) {
    std::sort(selectedRows.begin(), selectedRows.end(), std::greater<>());
    for (const int32_t row : selectedRows) {
        bookmarks.DeleteBookmark(row);
    }
    return selectedRows;
}

}  // namespace sorna
