#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "history/Bookmarks.h"

namespace sorna {

// Deletes the bookmarks whose rows are selected, from the bottom row up, so that every row still
// to be deleted keeps the index of its bookmark. Rows outside the list are passed over. Returns
// the rows deleted, in the order they went, for the list that shows them to follow.
std::vector<int32_t> DeleteSelectedBookmarks(Bookmarks& bookmarks,
                                             std::span<const int32_t> selectedRows);

}  // namespace sorna
