#include "app/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <utility>

#include "app/TitleText.h"
#include "app/qt/CommandEvent.h"
#include "app/qt/MenuBar.h"
#include "app/qt/PageWidget.h"
#include "platform/FileSystem.h"
#include "platform/TickCount.h"
#include "platform/qt/QtText.h"
#include "resources/AppStrings.h"

namespace sorna {
namespace {

constexpr int kReopenDelayMs = 1;
constexpr int kSaveIntervalMs = 60000;
constexpr int kAutoScrollTickMs = 100;

}  // namespace

MainWindow::MainWindow(Settings& settings)
    : settings_(settings),
      menuBar_(new MenuBar(settings, *this)),
      page_(new PageWidget(canvas_, view_, *this)),
      lastStep_(TickCount()) {
    setObjectName(ToQString(kWindowClassName));
    setWindowTitle(ToQString(TitleText(u"")));
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
    // The desktop places the window; it starts at two thirds of the screen's free area.
    if (const QScreen* shown = screen()) {
        resize(shown->availableGeometry().size() * 2 / 3);
    }
    addToolBar(Qt::BottomToolBarArea, menuBar_);
    connect(menuBar_, &MenuBar::CommandChosen, this,
            [this](CommandId id) { PostCommand(*this, id); });
    setCentralWidget(page_);
    connect(page_, &PageWidget::Pressed, this, &MainWindow::TapPressed);
    connect(page_, &PageWidget::Released, this, &MainWindow::TapReleased);
    connect(page_, &PageWidget::DoubleTapped, this, &MainWindow::DoubleTapped);
    connect(page_, &PageWidget::Resized, this,
            [this] { work_.RunWhenIdle([this] { UpdateLayout(); }); });
    EnsureBuffers();
    UpdateLayout();
    ApplySettings();
    StartTimers();
    if (settings_.bFullscreen) {
        // Entered once creation is over, through the ordinary toggle.
        PostCommand(*this, IDM_FULLSCREEN);
    }
    ClaimKeys();
}

// The keeper gives the device's timeouts back as it goes.
MainWindow::~MainWindow() = default;

void MainWindow::StartTimers() {
    connect(&reopenTimer_, &QTimer::timeout, this, &MainWindow::ReopenMostRecentFile);
    connect(&saveTimer_, &QTimer::timeout, this, &MainWindow::SaveReadingState);
    connect(&autoScrollTimer_, &QTimer::timeout, this, &MainWindow::AutoScrollStep);
    reopenTimer_.start(kReopenDelayMs);
    saveTimer_.start(kSaveIntervalMs);
    autoScrollTimer_.start(kAutoScrollTickMs);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() != CommandEvent::kType) {
        return QMainWindow::event(event);
    }
    const CommandId id = static_cast<CommandEvent*>(event)->Id();
    // A command that arrives while a document is loading waits for the load to end.
    if (work_.Busy()) {
        work_.RunWhenIdle([this, id] { PostCommand(*this, id); });
    } else {
        RunCommand(id);
    }
    return true;
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    // A dialog of the window's own taking the activation and giving it back is no change of
    // program: auto-scroll goes on under the find and bookmark dialogs, and the commands of the
    // other dialogs stop it themselves.
    const bool toOwnDialog = !isActiveWindow() && OwnsWindow(QApplication::activeWindow());
    if (!toOwnDialog && !std::exchange(ownDialogActive_, false)) {
        StopAutoScroll();
    }
    ownDialogActive_ = toOwnDialog;
    if (!isActiveWindow()) {
        ReleaseKeys();
        return;
    }
    if (fullScreen_) {
        EnterFullScreen();
    }
    ClaimKeys();
}

bool MainWindow::OwnsWindow(const QWidget* window) const {
    for (const QWidget* owner = window; owner != nullptr; owner = owner->parentWidget()) {
        if (owner == this) {
            return window != this;
        }
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (work_.Busy()) {
        // Unloading now would pull the document from under the load; close once it is done.
        event->ignore();
        work_.RunWhenIdle([this] { PostClose(); });
        return;
    }
    CloseDocument();
    settings_.bFullscreen = fullScreen_;
    settings_.SaveSettings();
    event->accept();
}

void MainWindow::SaveReadingState() {
    work_.RunWhenIdle([this] {
        settings_.recentFiles.RememberFile(view_.Document().documentPath, view_.TopOffset());
        settings_.SaveSettings();
    });
}

void MainWindow::ReopenMostRecentFile() {
    // Tried again at the next tick while another document is still being opened.
    if (work_.Busy()) {
        return;
    }
    reopenTimer_.stop();
    const std::u16string path = settings_.recentFiles.MostRecentFile();
    if (FileExists(path)) {
        OpenDocument(path, -1);
    }
}

void MainWindow::PostClose() {
    QMetaObject::invokeMethod(
        this, [this] { close(); }, Qt::QueuedConnection);
}

}  // namespace sorna
