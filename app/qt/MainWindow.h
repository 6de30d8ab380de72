#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QSize>
#include <QTimer>

#include "app/InputCommands.h"
#include "app/ReaderSession.h"
#include "app/ReaderShell.h"
#include "platform/qt/DesktopIdleInhibitor.h"
#include "settings/Settings.h"
#include "view/qt/PageCanvas.h"

namespace sorna {

class MenuBar;
class PageNotice;
class PageWidget;

// The reader's one window: the page, the menu bar at the bottom, and the input (taps, keys,
// hardware buttons, the wheel, drops, timers) that it turns into commands and calls of the
// reader session. Every command is posted to the window and handed to the session, so menus,
// keys and taps share one road. It shows what the session asks for as the session's shell.
class MainWindow : public QMainWindow, private ReaderShell {
    Q_OBJECT

public:
    // Builds the bar, the page and its buffers, starts the session and the timers (the first of
    // which opens `startDocument`, or else reopens the most recent file) and claims the hardware
    // keys. `settings` must outlive the window.
    explicit MainWindow(Settings& settings, std::u16string startDocument = {});
    ~MainWindow() override;

    // A document a later start named: opened once no dialog of the reader's is up, since those
    // work on the open document and the settings.
    void OpenHandedOverDocument(const std::u16string& path);

    ReaderSession& Session() { return session_; }
    const ReaderSession& Session() const { return session_; }
    // The most recent file is still to be reopened: the start-up timer has not done it yet.
    [[nodiscard]] bool ReopenPending() const { return reopenTimer_.isActive(); }
    // The page changed size and is still to be laid out for it.
    [[nodiscard]] bool LayoutPending() const { return layoutTimer_.isActive(); }

signals:
    // A paint of the page has reached the screen.
    void PageShown();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The shell.
    void SetCaption(std::u16string_view caption) override;
    ViewRect PageArea() override;
    void Repaint() override;
    void PumpEvents() override;
    void PostCommand(CommandId id) override;
    void PostClose() override;
    void PostFromWorker(std::function<void()> task) override;
    void SetFullScreen(bool on) override;
    std::unique_ptr<ProgressText> ShowProgress() override;
    void ShowOpenFailure(std::u16string_view message) override;
    [[nodiscard]] bool Confirm(std::u16string_view question) override;
    std::u16string ChooseDocumentPath() override;
    void RunAboutDialog() override;
    bool RunSettingsDialog(Settings& settings) override;
    void RunFindDialog(RecentSearches& searches, SearchFlags flags, const TextView& view,
                       FindActions& actions) override;
    std::optional<size_t> RunChaptersDialog(std::span<const Chapter> chapters,
                                            std::optional<size_t> current) override;
    std::optional<GoToTarget> RunGoToDialog(PageNumbers pages) override;
    void ShowNotice(std::u16string_view text) override;
    void RunEditBookmarksDialog(Bookmarks& bookmarks) override;
    [[nodiscard]] bool RunAddBookmarkDialog(std::u16string& label, size_t capacity) override;
    void LaunchDictionary(std::u16string_view programPath, std::u16string_view word,
                          const std::function<void()>& stopAutoScroll) override;

    void StartTimers();
    // Input.
    TapArea CurrentTapArea() const;
    void TapPressed(QPoint position);
    void TapReleased(QPoint position);
    void DoubleTapped(QPoint position);
    void ClaimKeys();
    // True for a dialog or message box of this window, however deeply nested.
    [[nodiscard]] bool OwnsWindow(const QWidget* window) const;

    Settings& settings_;
    std::u16string startDocument_;
    DesktopIdleInhibitor idleInhibitor_;
    PageCanvas canvas_;
    ReaderSession session_;
    MenuBar* menuBar_;  // owned by the window, as is the page
    PageWidget* page_;
    PageNotice* notice_;  // on the page
    WheelLineSteps wheelSteps_;
    QPoint pressedAt_;  // where the last tap on the page began
    QTimer layoutTimer_;
    QTimer reopenTimer_;
    QTimer saveTimer_;
    QTimer autoScrollTimer_;
};

}  // namespace sorna
