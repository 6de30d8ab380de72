#include <gtest/gtest.h>

#include "resources/MenuTable.h"

namespace sorna {
namespace {

// Menu preparation finds its places by position and by first item: "최근파일" must be the only
// submenu at position 2 of a popup, and "책" the only popup that starts with "책갈피에 추가".
TEST(MenuTable, RunTimePlacesAreFoundOnlyWhereMeant) {
    int recentFound = 0;
    int bookFound = 0;
    for (const MenuItem& top : kMenuBar) {
        if (top.kind != MenuItemKind::kPopup) {
            continue;
        }
        if (top.items.size() > kRecentFilesPosition &&
            top.items[kRecentFilesPosition].kind == MenuItemKind::kPopup) {
            ++recentFound;
            EXPECT_EQ(top.text, u"메뉴");
            EXPECT_EQ(top.items[kRecentFilesPosition].text, u"최근파일");
            EXPECT_TRUE(top.items[kRecentFilesPosition].items.empty());
        }
        if (!top.items.empty() && top.items[0].id == IDM_BOOKMARK_ADD) {
            ++bookFound;
            EXPECT_EQ(top.text, u"책");
            EXPECT_EQ(top.items.size(), kFirstBookmarkPosition);
        }
    }
    EXPECT_EQ(recentFound, 1);
    EXPECT_EQ(bookFound, 1);
}

}  // namespace
}  // namespace sorna
