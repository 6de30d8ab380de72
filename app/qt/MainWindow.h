#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/TapDecision.h"
#include "app/WheelLineSteps.h"
#include "app/WorkInProgress.h"
#include "device/PowerKeeper.h"
#include "platform/qt/DesktopIdleInhibitor.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"
#include "view/TextView.h"
#include "view/qt/PageCanvas.h"

namespace sorna {

class MenuBar;
class PageWidget;

// The reader's one window: the page with the text view, the menu bar at the bottom, and the
// input (taps, keys, hardware buttons, timers) that it turns into commands. Every command is
// posted to the window and carried out by RunCommand, so menus, keys and taps share one road.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the bar, the page and its buffers, applies the settings, starts the timers (the
    // first of which reopens the most recent file) and claims the hardware keys. `settings`
    // must outlive the window.
    explicit MainWindow(Settings& settings);
    ~MainWindow() override;

    // The command table. Ids without a handler do nothing.
    void RunCommand(CommandId id);

    // Opens a document at a reading position; -1 takes the position the recent-file list holds
    // for the path, or the beginning when it holds none. A failure is shown in a message box.
    bool OpenDocument(std::u16string_view path, int32_t position);
    // Records the open document's reading position in the recent files and unloads it. The
    // caption stays as it is.
    void CloseDocument();
    void UpdateTitle();
    // Hands the settings to the view and lays the text out again where they change the lines,
    // staying at the same reading position.
    void ApplySettings();
    // Sets the text area from the page size and the margins; lays out again when it changes
    // the lines.
    void UpdateLayout();
    void ToggleFullScreen();
    void EnterFullScreen();
    // Auto-scroll off, and the device's timeouts given back.
    void StopAutoScroll();

    const TextView& View() const { return view_; }
    const std::u16string& DocumentTitle() const { return documentTitle_; }
    bool AutoScrolling() const { return autoScroll_; }
    bool FullScreenLayout() const { return fullScreen_; }
    // The most recent file is still to be reopened: the start-up timer has not run yet.
    bool ReopenPending() const { return reopenTimer_.isActive(); }

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
    // Creation.
    void StartTimers();
    void EnsureBuffers();
    // Timers.
    void SaveReadingState();
    void ReopenMostRecentFile();
    void AutoScrollStep();
    // Input.
    TapArea CurrentTapArea() const;
    void TapPressed(QPoint position);
    void TapReleased(QPoint position);
    void DoubleTapped(QPoint position);
    void LookUpWord(QPoint position);
    void ClaimKeys();
    void ReleaseKeys();
    // True for a dialog or message box of this window, however deeply nested.
    bool OwnsWindow(const QWidget* window) const;
    // Commands.
    void StepLines(int64_t lines);
    void ToggleAutoScroll();
    void ChooseAndOpenDocument();
    void OpenChosenDocument(const std::u16string& path);
    void OpenRecentFile(int32_t n);
    void GoToBookmark(int32_t n);
    void PostClose();
    // Commands that run a dialog.
    void ShowAbout();
    void ChangeSettings();
    void Find();
    void EditBookmarks();
    void AddBookmark();
    void ClearRecentFiles();
    void ClearBookmarks();

    Settings& settings_;
    DesktopIdleInhibitor idleInhibitor_;
    PowerKeeper powerKeeper_{idleInhibitor_};
    PageCanvas canvas_;
    TextView view_{canvas_};
    MenuBar* menuBar_;  // owned by the window, as is the page
    PageWidget* page_;
    QSize bufferSize_;
    qreal bufferRatio_ = 0;
    WorkInProgress work_;
    bool fullScreen_ = false;
    bool ownDialogActive_ = false;  // the activation went to a dialog of this window
    std::u16string documentTitle_;
    bool autoScroll_ = false;
    uint32_t lastStep_;
    WheelLineSteps wheelSteps_;
    QTimer reopenTimer_;
    QTimer saveTimer_;
    QTimer autoScrollTimer_;
};

}  // namespace sorna
