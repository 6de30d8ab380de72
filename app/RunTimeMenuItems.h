#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/CommandIds.h"

namespace sorna {

// At most this many recent files or bookmarks are listed in a menu.
inline constexpr size_t kMaxRunTimeMenuItems = 13;

// An item added to a menu when it opens; a separator has no id and no text.
struct RunTimeMenuItem {
    CommandId id = 0;
    std::u16string text;
    bool separator = false;

    bool operator==(const RunTimeMenuItem&) const = default;
};

// Menu text that shows the given text as it is: every "&" doubled, so none becomes a mnemonic.
std::u16string MenuItemText(std::u16string_view text);

// "최근파일": the file names of the recent files in list order, then a separator and the item
// that clears the list.
std::vector<RunTimeMenuItem> RecentFileMenuItems(std::span<const std::u16string_view> paths);

// The bookmarks after the separator of "책", by label in list order.
std::vector<RunTimeMenuItem> BookmarkMenuItems(std::span<const std::u16string_view> labels);

}  // namespace sorna
