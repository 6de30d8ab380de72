// The main window's commands around its dialogs, the dictionary launch and the claim on the
// hardware buttons.
#include "app/DictionaryWord.h"
#include "app/ProposedBookmarkLabel.h"
#include "app/qt/AboutDialog.h"
#include "app/qt/LaunchDictionary.h"
#include "app/qt/MainWindow.h"
#include "history/qt/AddBookmarkDialog.h"
#include "history/qt/EditBookmarksDialog.h"
#include "history/qt/FindDialog.h"
#include "platform/qt/MessageBoxes.h"
#include "resources/AppStrings.h"
#include "settings/KeySlots.h"
#include "settings/qt/HardwareKeys.h"
#include "settings/qt/SettingsDialog.h"

namespace sorna {
namespace {

// The label buffer of the add-bookmark dialog, its terminator included.
constexpr size_t kBookmarkLabelCapacity = 1024;

}  // namespace

void MainWindow::ShowAbout() {
    StopAutoScroll();
    RunAboutDialog(*this);
}

// Saved and applied however the dialog ended: some of its changes take effect at once.
void MainWindow::ChangeSettings() {
    StopAutoScroll();
    RunSettingsDialog(*this, settings_);
    settings_.SaveSettings();
    ApplySettings();
}

// Auto-scroll goes on under the find and bookmark dialogs.
void MainWindow::Find() {
    RunFindDialog(*this, settings_.recentSearches, settings_.bSearchIgnoreCase, view_);
}

void MainWindow::EditBookmarks() {
    RunEditBookmarksDialog(*this, settings_.bookmarks);
}

void MainWindow::AddBookmark() {
    const DocumentText& document = view_.Document();
    if (document.length == 0) {
        return;
    }
    const int32_t top = view_.TopLine();
    std::u16string label = ProposedBookmarkLabel(view_.LineText(top), view_.LineText(top + 1),
                                                 view_.TopOffset(), document.length);
    if (RunAddBookmarkDialog(*this, label, kBookmarkLabelCapacity)) {
        // The position again: auto-scroll may have moved on while the dialog was open.
        settings_.bookmarks.AddBookmark(document.documentPath, view_.TopOffset(), label);
    }
}

void MainWindow::ClearRecentFiles() {
    if (Confirm(*this, kConfirmClearRecentFiles)) {
        settings_.recentFiles.ClearRecentFiles();
    }
}

void MainWindow::ClearBookmarks() {
    if (Confirm(*this, kConfirmClearBookmarks)) {
        settings_.bookmarks.ClearBookmarks();
    }
}

void MainWindow::LookUpWord(QPoint position) {
    const WordHit hit = view_.WordAt(position.x(), position.y());
    if (IsDictionaryWord(hit)) {
        LaunchDictionary(*this, settings_.sEngDicPath, hit.word, [this] { StopAutoScroll(); });
    }
}

void MainWindow::ClaimKeys() {
    ClaimHardwareKeys(*this, SlotKeysToClaim(settings_));
}

void MainWindow::ReleaseKeys() {
    ReleaseHardwareKeys(*this);
}

}  // namespace sorna
