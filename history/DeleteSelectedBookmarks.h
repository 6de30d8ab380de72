#pragma once

#include <cstdint>
#include <vector>

#include "history/Bookmarks.h"

namespace sorna {

// Deletes the bookmarks whose rows are selected (each row once), from the bottom row up, so that
// every row still to be deleted keeps the index of its bookmark. Returns the rows in the order
// they went, for the list that shows them to follow.
std::vector<int32_t> DeleteSelectedBookmarks(Bookmarks& bookmarks,
                                             std::vector<int32_t> selectedRows);

}  // namespace sorna
