#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <vector>

#include "app/qt/MenuBar.h"

namespace sorna {
namespace {

// The popup of the bar button with this text, opened as a tap on it would, so it is prepared.
QMenu& OpenPopup(MenuBar& bar, const char16_t* text) {
    for (QToolButton* button : bar.findChildren<QToolButton*>()) {
        QAction* action = button->defaultAction();
        if (button->text() == QString::fromUtf16(text) && action && action->menu()) {
            action->menu()->popup(QPoint(0, 0));
            action->menu()->hide();
            return *action->menu();
        }
    }
    throw std::runtime_error("no popup");
}

struct Item {
    CommandId id;
    QString text;
    bool checked;
    bool operator==(const Item&) const = default;
};

std::vector<Item> ItemsOf(const QMenu& menu) {
    std::vector<Item> items;
    for (const QAction* action : menu.actions()) {
        items.push_back({CommandId(action->data().toUInt()),
                         action->isSeparator() ? QStringLiteral("-") : action->text(),
                         action->isChecked()});
    }
    return items;
}

TEST(MenuBar, PopupsAreFilledAfreshFromTheListsAndSettingsAtEachOpening) {
    Settings settings;
    for (int n = 0; n < 15; ++n) {
        settings.recentFiles.RememberFile(u"/books/" + std::u16string(1, u'a' + n) + u".txt", 0);
    }
    settings.bookmarks.AddBookmark(u"/books/a.txt", 0, u"R&D");
    settings.bUseEngDic = 1;
    QWidget owner;
    MenuBar bar(settings, owner);
    std::vector<CommandId> chosen;
    QObject::connect(&bar, &MenuBar::CommandChosen,
                     [&chosen](CommandId id) { chosen.push_back(id); });

    QMenu* recent = OpenPopup(bar, u"메뉴").actions()[2]->menu();
    ASSERT_NE(recent, nullptr);
    std::vector<Item> items = ItemsOf(*recent);
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0], (Item{IDM_RECENT_00, QStringLiteral("o.txt"), false}));
    EXPECT_EQ(items[14], (Item{IDM_RECENT_CLEAR, QStringLiteral("최근 파일 목록 지우기"), false}));
    recent->actions()[1]->trigger();
    EXPECT_EQ(chosen, std::vector<CommandId>{IDM_RECENT_00 + 1});
    settings.recentFiles.ClearRecentFiles();
    OpenPopup(bar, u"메뉴");
    EXPECT_EQ(ItemsOf(*recent).size(), 2u);

    OpenPopup(bar, u"책");
    settings.bookmarks.AddBookmark(u"/books/b.txt", 0, u"장");
    items = ItemsOf(OpenPopup(bar, u"책"));
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].id, IDM_BOOKMARK_ADD);
    EXPECT_EQ(items[3].text, QStringLiteral("-"));
    EXPECT_EQ(items[5], (Item{IDM_BOOKMARK_00 + 1, QStringLiteral("R&&D"), false}));

    QMenu& view = OpenPopup(bar, u"보기");
    const auto checked = [&view](CommandId id) {
        for (const Item& item : ItemsOf(view)) {
            if (item.id == id) {
                return item.checked;
            }
        }
        throw std::runtime_error("no item");
    };
    EXPECT_TRUE(checked(IDM_USE_DICTIONARY) && !checked(IDM_ROTATE));
    settings.bUseEngDic = 0;
    settings.bRotate = 1;
    OpenPopup(bar, u"보기");
    EXPECT_TRUE(!checked(IDM_USE_DICTIONARY) && checked(IDM_ROTATE));
}

}  // namespace
}  // namespace sorna
