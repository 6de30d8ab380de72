#include "app/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include "app/qt/EventLoop.h"
#include "app/qt/MenuBar.h"
#include "app/qt/PageNotice.h"
#include "app/qt/PageWidget.h"
#include "platform/TickCount.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"
#include "settings/KeySlots.h"
#include "settings/qt/HardwareKeys.h"

namespace sorna {
namespace {

constexpr int kReopenDelayMs = 1;
constexpr int kSaveIntervalMs = 60000;
constexpr int kAutoScrollTickMs = 100;
constexpr int kDialogCheckMs = 200;
constexpr int kFrameMs = 16;

}  // namespace

MainWindow::MainWindow(Settings& settings, std::u16string startDocument)
    : settings_(settings),
      startDocument_(std::move(startDocument)),
      session_(settings, *this, canvas_, idleInhibitor_),
      menuBar_(new MenuBar(settings, session_, *this)),
      page_(new PageWidget(canvas_, session_.View(), *this)),
      notice_(new PageNotice(*page_)) {
    session_.ReadAheadStartDocument(startDocument_);
    setObjectName(ToQString(kWindowClassName));
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
    // The desktop places the window; it starts at two thirds of the screen's free area.
    if (const QScreen* shown = screen()) {
        resize(shown->availableGeometry().size() * 2 / 3);
    }
    addToolBar(Qt::BottomToolBarArea, menuBar_);
    connect(menuBar_, &MenuBar::CommandChosen, this, [this](CommandId id) { PostCommand(id); });
    setCentralWidget(page_);
    connect(page_, &PageWidget::Pressed, this, &MainWindow::TapPressed);
    connect(page_, &PageWidget::Released, this, &MainWindow::TapReleased);
    connect(page_, &PageWidget::DoubleTapped, this, &MainWindow::DoubleTapped);
    // After the paint has reached the screen.
    connect(
        page_, &PageWidget::Painted, this,
        [this] {
            session_.PagePainted();
            emit PageShown();
        },
        Qt::QueuedConnection);
    // While a window edge is dragged, the page is laid out at most once a frame, and once more
    // after the last resize; meanwhile it shows what it showed.
    layoutTimer_.setSingleShot(true);
    layoutTimer_.setInterval(kFrameMs);
    connect(&layoutTimer_, &QTimer::timeout, this, [this] { session_.PageResized(); });
    connect(page_, &PageWidget::Resized, this, [this] {
        if (!layoutTimer_.isActive()) {
            layoutTimer_.start();
        }
    });
    session_.Start();
    StartTimers();
    ClaimKeys();
}

// The session's keeper gives the device's timeouts back as it goes.
MainWindow::~MainWindow() = default;

void MainWindow::StartTimers() {
    // Tried again at the next tick while another document is still being opened.
    connect(&reopenTimer_, &QTimer::timeout, this, [this] {
        if (session_.OpenStartDocument(startDocument_)) {
            reopenTimer_.stop();
        }
    });
    connect(&saveTimer_, &QTimer::timeout, this, [this] { session_.SaveReadingState(); });
    connect(&autoScrollTimer_, &QTimer::timeout, this, [this] {
        session_.AutoScrollTick(TickCount());
        menuBar_->ShowAutoScroll(session_.AutoScrolling());
    });
    reopenTimer_.start(kReopenDelayMs);
    saveTimer_.start(kSaveIntervalMs);
    autoScrollTimer_.start(kAutoScrollTickMs);
}

void MainWindow::OpenHandedOverDocument(const std::u16string& path) {
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kDialogCheckMs, this, [this, path] { OpenHandedOverDocument(path); });
        return;
    }
    session_.OpenHandedOverDocument(path);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() != CommandEvent::kType) {
        return QMainWindow::event(event);
    }
    session_.RunPostedCommand(static_cast<CommandEvent*>(event)->Id());
    // A command may start or stop auto-scroll; anything else that stops it is shown at the
    // timer's next tick.
    menuBar_->ShowAutoScroll(session_.AutoScrolling());
    return true;
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    const bool active = isActiveWindow();
    session_.ActivationChanged(active, !active && OwnsWindow(QApplication::activeWindow()));
    if (active) {
        ClaimKeys();
    } else {
        ReleaseHardwareKeys(*this);
    }
}

bool MainWindow::OwnsWindow(const QWidget* window) const {
    for (const QWidget* owner = window; owner != nullptr; owner = owner->parentWidget()) {
        if (owner == this) {
            return window != this;
        }
    }
    return false;
}

void MainWindow::ClaimKeys() {
    ClaimHardwareKeys(*this, SlotKeysToClaim(settings_));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(session_.Close());
}

}  // namespace sorna
