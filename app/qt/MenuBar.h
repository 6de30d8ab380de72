#pragma once

#include <QToolBar>
#include <span>

#include "app/ReaderSession.h"
#include "app/ShellTexts.h"
#include "resources/CommandIds.h"
#include "resources/MenuTable.h"
#include "settings/Settings.h"

class QAction;
class QMenu;

namespace sorna {

// The menu bar at the bottom of the main window: the popups "메뉴", "보기" and "책" and the
// command buttons. Each popup is prepared as it opens: the dictionary and rotation items are
// checked as the settings say, "책" lists the bookmarks, "최근파일" the recent files and "인코딩"
// the encodings with the one the open document is read in checked.
class MenuBar : public QToolBar {
    Q_OBJECT

public:
    // The encoding items show what `session` reads the open document in.
    MenuBar(Settings& settings, const ReaderSession& session, QWidget& parent);

    // The 자동 button looks pressed while auto-scroll runs.
    void ShowAutoScroll(bool running) { CheckItem(IDM_AUTOSCROLL, running); }

signals:
    // An item or button was chosen.
    void CommandChosen(sorna::CommandId id);

private:
    QMenu* BuildMenu(std::span<const MenuItem> items, const QString& title);
    void AddCommand(QWidget& owner, const MenuItem& item);
    void AddRunTimeItems(QMenu& menu, const std::vector<RunTimeMenuItem>& items);
    void PrepareMenu(QMenu& menu);
    void CheckItem(CommandId id, bool checked);
    void FillBookmarks(QMenu& book);
    void FillRecentFiles(QMenu& recentFiles);
    void FillEncodings(QMenu& encodings);

    Settings& settings_;
    const ReaderSession& session_;
};

}  // namespace sorna
