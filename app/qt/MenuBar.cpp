#include "app/qt/MenuBar.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <string_view>
#include <vector>

#include "app/SettingToggles.h"
#include "platform/qt/QtConversions.h"
#include "view/PageColours.h"

namespace sorna {
namespace {

CommandId IdOf(const QAction& action) {
    return CommandId(action.data().toUInt());
}

bool IsThemeCommand(CommandId id) {
    return id >= IDM_THEME_USER && id <= IDM_THEME_SEPIA;
}

std::vector<std::u16string_view> Paths(const RecentFiles& files) {
    std::vector<std::u16string_view> paths;
    for (const HistoryEntry& entry : files.Entries()) {
        paths.push_back(entry.path);
    }
    return paths;
}

std::vector<std::u16string_view> Labels(const Bookmarks& bookmarks) {
    std::vector<std::u16string_view> labels;
    for (const HistoryEntry& entry : bookmarks.Entries()) {
        labels.push_back(entry.label);
    }
    return labels;
}

}  // namespace

MenuBar::MenuBar(Settings& settings, const ReaderSession& session, QWidget& parent)
    : QToolBar(&parent), settings_(settings), session_(session) {
    setMovable(false);
    setFloatable(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (const MenuItem& item : kMenuBar) {
        if (item.kind == MenuItemKind::kPopup) {
            QMenu* menu = BuildMenu(item.items, ToQString(item.text));
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { PrepareMenu(*menu); });
            addAction(menu->menuAction());
            static_cast<QToolButton*>(widgetForAction(menu->menuAction()))
                ->setPopupMode(QToolButton::InstantPopup);
        } else {
            AddCommand(*this, item);
        }
    }
    // The keys belong to the page, not to the bar's buttons.
    for (QToolButton* button : findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::NoFocus);
    }
}

QMenu* MenuBar::BuildMenu(std::span<const MenuItem> items, const QString& title) {
    auto* menu = new QMenu(title, this);
    for (const MenuItem& item : items) {
        switch (item.kind) {
            case MenuItemKind::kCommand:
                AddCommand(*menu, item);
                break;
            case MenuItemKind::kSeparator:
                menu->addSeparator();
                break;
            case MenuItemKind::kPopup:
                menu->addMenu(BuildMenu(item.items, ToQString(item.text)));
                break;
        }
    }
    return menu;
}

void MenuBar::AddCommand(QWidget& owner, const MenuItem& item) {
    auto* action = new QAction(ToQString(item.text), &owner);
    action->setData(uint(item.id));
    action->setEnabled(!item.grayed);
    action->setCheckable(FindSettingToggle(item.id) != nullptr || item.id == IDM_AUTOSCROLL ||
                         IsThemeCommand(item.id));
    const CommandId id = item.id;
    connect(action, &QAction::triggered, this, [this, id] { emit CommandChosen(id); });
    owner.addAction(action);
}

void MenuBar::AddRunTimeItems(QMenu& menu, const std::vector<RunTimeMenuItem>& items) {
    for (const RunTimeMenuItem& item : items) {
        if (item.separator) {
            menu.addSeparator();
        } else {
            AddCommand(menu, MenuCommand(item.text, item.id));
            menu.actions().back()->setCheckable(item.checked);
            menu.actions().back()->setChecked(item.checked);
        }
    }
}

void MenuBar::PrepareMenu(QMenu& menu) {
    const QList<QAction*> actions = menu.actions();
    const auto submenuAt = [&actions](size_t position) {
        return actions.size() > qsizetype(position) ? actions[qsizetype(position)]->menu()
                                                    : nullptr;
    };
    for (const SettingToggle& toggle : kSettingToggles) {
        CheckItem(toggle.id, settings_.*toggle.setting);
    }
    const auto theme = int32_t(ThemeOf(settings_.nTheme));
    for (int32_t n = 0; n < kPageThemeCount; ++n) {
        CheckItem(IDM_THEME_USER + CommandId(n), n == theme);
    }
    const CommandId first = actions.isEmpty() ? 0 : IdOf(*actions.front());
    if (first == kBookPopupItems[0].id) {
        FillBookmarks(menu);
    } else if (first == kViewPopupItems[0].id) {
        FillEncodings(*submenuAt(kEncodingsPosition));
    } else if (QMenu* recentFiles = submenuAt(kRecentFilesPosition)) {
        FillRecentFiles(*recentFiles);
    }
}

void MenuBar::CheckItem(CommandId id, bool checked) {
    for (QAction* action : findChildren<QAction*>()) {
        if (action->isCheckable() && IdOf(*action) == id) {
            action->setChecked(checked);
        }
    }
}

void MenuBar::FillBookmarks(QMenu& book) {
    const QList<QAction*> actions = book.actions();
    for (qsizetype n = qsizetype(kFirstBookmarkPosition); n < actions.size(); ++n) {
        book.removeAction(actions[n]);
        delete actions[n];
    }
    AddRunTimeItems(book, BookmarkMenuItems(Labels(settings_.bookmarks)));
}

void MenuBar::FillEncodings(QMenu& encodings) {
    encodings.clear();
    AddRunTimeItems(encodings, EncodingMenuItems(session_.ChosenEncoding(),
                                                 session_.View().Document().encoding));
}

void MenuBar::FillRecentFiles(QMenu& recentFiles) {
    // clear() deletes the items the menu owns, which all of these are.
    recentFiles.clear();
    AddRunTimeItems(recentFiles, RecentFileMenuItems(Paths(settings_.recentFiles)));
}

}  // namespace sorna
