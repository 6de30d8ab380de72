// The command table: what each posted command does.
#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "app/ArrowKeyCommand.h"
#include "app/qt/CommandEvent.h"
#include "app/qt/MainWindow.h"
#include "app/qt/OpenFileDialog.h"
#include "app/qt/PageWidget.h"
#include "app/qt/PumpMessages.h"

namespace sorna {
namespace {

// The document the test command opens.
constexpr std::u16string_view kTestDocumentPath = u"/temp/test.txt";

bool InRange(CommandId id, CommandId first, CommandId last) {
    return id >= first && id <= last;
}

}  // namespace

void MainWindow::RunCommand(CommandId id) {
    if (const std::optional<CommandId> step = ArrowKeyCommand(id, settings_.bRotate != 0)) {
        PostCommand(*this, *step);
        return;
    }
    if (InRange(id, IDM_RECENT_00, IDM_RECENT_LAST)) {
        OpenRecentFile(id - IDM_RECENT_00);
        return;
    }
    if (InRange(id, IDM_BOOKMARK_00, IDM_BOOKMARK_LAST)) {
        GoToBookmark(id - IDM_BOOKMARK_00);
        return;
    }
    switch (id) {
        case IDM_OPEN_TEST:
            OpenDocument(kTestDocumentPath, -1);
            break;
        case IDM_EXIT:
            PostClose();
            break;
        case IDM_LINE_UP:
            StepLines(-1);
            break;
        case IDM_LINE_DOWN:
            StepLines(1);
            break;
        case IDM_OPEN:
            ChooseAndOpenDocument();
            break;
        case IDM_PAGE_DOWN:
            StepLines(int64_t{view_.LinesPerPage()} - settings_.nShareLine);
            break;
        case IDM_PAGE_UP:
            StepLines(int64_t{settings_.nShareLine} - view_.LinesPerPage());
            break;
        case IDM_ABOUT:
            ShowAbout();
            break;
        case IDM_SETTINGS:
            ChangeSettings();
            break;
        case IDM_RECENT_CLEAR:
            ClearRecentFiles();
            break;
        case IDM_FIND:
            Find();
            break;
        case IDM_FULLSCREEN:
            ToggleFullScreen();
            break;
        case IDM_USE_DICTIONARY:
            settings_.bUseEngDic = !settings_.bUseEngDic;
            break;
        case IDM_AUTOSCROLL:
            ToggleAutoScroll();
            break;
        case IDM_ROTATE:
            settings_.bRotate = !settings_.bRotate;
            ApplySettings();
            break;
        case IDM_BOOKMARK_EDIT:
            EditBookmarks();
            break;
        case IDM_BOOKMARK_ADD:
            AddBookmark();
            break;
        case IDM_BOOKMARK_CLEAR:
            ClearBookmarks();
            break;
        case IDM_CLOSE:
            CloseDocument();
            page_->update();
            break;
        default:
            // IDM_ALT_F4, IDM_ALT_SLASH, IDC_NONE, the bar's divider and unknown ids.
            break;
    }
}

// The repaint, and any input queued meanwhile, are handled before the next command.
void MainWindow::StepLines(int64_t lines) {
    view_.ScrollLines(int32_t(std::clamp<int64_t>(lines, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max())));
    PumpMessages();
}

void MainWindow::ChooseAndOpenDocument() {
    StopAutoScroll();
    OpenChosenDocument(ChooseDocumentPath(*this));
}

// A document the user picked, in the open dialog or by dropping it on the window. Nothing
// when none was picked.
void MainWindow::OpenChosenDocument(const std::u16string& path) {
    if (!path.empty()) {
        OpenDocument(path, -1);
    }
}

void MainWindow::OpenRecentFile(int32_t n) {
    const auto& entries = settings_.recentFiles.Entries();
    if (n < 0 || size_t(n) >= entries.size()) {
        return;
    }
    // Copied: closing the open document reorders the list.
    const HistoryEntry entry = entries[size_t(n)];
    OpenDocument(entry.path, entry.position);
}

void MainWindow::GoToBookmark(int32_t n) {
    const auto& entries = settings_.bookmarks.Entries();
    if (n < 0 || size_t(n) >= entries.size()) {
        return;
    }
    const HistoryEntry entry = entries[size_t(n)];
    if (entry.path != view_.Document().documentPath) {
        OpenDocument(entry.path, entry.position);
    } else {
        view_.GoToOffset(entry.position);
    }
}

}  // namespace sorna
