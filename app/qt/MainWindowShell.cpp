// The main window as the session's shell: the caption, the page, the event loop, full screen
// and the program's boxes and dialogs, each owned by the window.

#include "app/qt/AboutDialog.h"
#include "app/qt/ChaptersDialog.h"
#include "app/qt/EventLoop.h"
#include "app/qt/GoToDialog.h"
#include "app/qt/MainWindow.h"
#include "app/qt/MenuBar.h"
#include "app/qt/PageNotice.h"
#include "app/qt/PageWidget.h"
#include "app/qt/ProgressWindow.h"
#include "app/qt/ShellDialogs.h"
#include "history/qt/AddBookmarkDialog.h"
#include "history/qt/EditBookmarksDialog.h"
#include "history/qt/FindDialog.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtConversions.h"
#include "settings/qt/SettingsDialog.h"

namespace sorna {

void MainWindow::SetCaption(std::u16string_view caption) {
    setWindowTitle(ToQString(caption));
}

ViewRect MainWindow::PageArea() {
    return {0, 0, page_->width(), page_->height()};
}

void MainWindow::Repaint() {
    page_->update();
}

void MainWindow::PumpEvents() {
    PumpMessages();
}

void MainWindow::PostCommand(CommandId id) {
    sorna::PostCommand(*this, id);
}

void MainWindow::PostClose() {
    QMetaObject::invokeMethod(
        this, [this] { close(); }, Qt::QueuedConnection);
}

void MainWindow::PostFromWorker(std::function<void()> task) {
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void MainWindow::SetFullScreen(bool on) {
    menuBar_->setVisible(!on);
    // Left, it gives back the window the desktop gave, maximised again if it was.
    setWindowState(on ? windowState() | Qt::WindowFullScreen
                      : windowState() & ~Qt::WindowFullScreen);
}

std::unique_ptr<ProgressText> MainWindow::ShowProgress() {
    return std::make_unique<ProgressWindow>(*this);
}

void MainWindow::ShowOpenFailure(std::u16string_view message) {
    sorna::ShowOpenFailure(*this, message);
}

bool MainWindow::Confirm(std::u16string_view question) {
    return sorna::Confirm(*this, question);
}

std::u16string MainWindow::ChooseDocumentPath() {
    return sorna::ChooseDocumentPath(*this);
}

void MainWindow::RunAboutDialog() {
    sorna::RunAboutDialog(*this);
}

bool MainWindow::RunSettingsDialog(Settings& settings) {
    return sorna::RunSettingsDialog(*this, settings);
}

void MainWindow::RunFindDialog(RecentSearches& searches, SearchFlags flags, const TextView& view,
                               FindActions& actions) {
    sorna::RunFindDialog(*this, searches, flags, view, actions);
}

std::optional<size_t> MainWindow::RunChaptersDialog(std::span<const Chapter> chapters,
                                                    std::optional<size_t> current) {
    return sorna::RunChaptersDialog(*this, chapters, current);
}

std::optional<GoToTarget> MainWindow::RunGoToDialog(PageNumbers pages) {
    return sorna::RunGoToDialog(*this, pages);
}

void MainWindow::ShowNotice(std::u16string_view text) {
    notice_->Show(text);
}

void MainWindow::RunEditBookmarksDialog(Bookmarks& bookmarks) {
    sorna::RunEditBookmarksDialog(*this, bookmarks);
}

bool MainWindow::RunAddBookmarkDialog(std::u16string& label, size_t capacity) {
    return sorna::RunAddBookmarkDialog(*this, label, capacity);
}

void MainWindow::LaunchDictionary(std::u16string_view programPath, std::u16string_view word,
                                  const std::function<void()>& stopAutoScroll) {
    sorna::LaunchDictionary(*this, programPath, word, stopAutoScroll);
}

}  // namespace sorna
