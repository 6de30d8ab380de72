#include "app/RunTimeMenuItems.h"

#include <algorithm>

#include "app/FileTitle.h"
#include "resources/MenuTable.h"

namespace sorna {
namespace {

template <typename TextOf>
std::vector<RunTimeMenuItem> ListItems(std::span<const std::u16string_view> entries,
                                       CommandId firstId, TextOf textOf) {
    const size_t count = std::min(entries.size(), kMaxRunTimeMenuItems);
    std::vector<RunTimeMenuItem> items;
    items.reserve(count + 2);
    for (size_t n = 0; n < count; ++n) {
        items.push_back({static_cast<CommandId>(firstId + n), MenuItemText(textOf(entries[n]))});
    }
    return items;
}

}  // namespace

std::u16string MenuItemText(std::u16string_view text) {
    std::u16string escaped;
    escaped.reserve(text.size());
    for (const char16_t unit : text) {
        escaped.push_back(unit);
        if (unit == u'&') {
            escaped.push_back(u'&');
        }
    }
    return escaped;
}

std::vector<RunTimeMenuItem> RecentFileMenuItems(std::span<const std::u16string_view> paths) {
    std::vector<RunTimeMenuItem> items = ListItems(paths, IDM_RECENT_00, FileTitle);
    items.push_back({0, {}, true});
    items.push_back({kRecentClearItem.id, std::u16string(kRecentClearItem.text)});
    return items;
}

std::vector<RunTimeMenuItem> BookmarkMenuItems(std::span<const std::u16string_view> labels) {
    return ListItems(labels, IDM_BOOKMARK_00, [](std::u16string_view label) { return label; });
}

}  // namespace sorna
