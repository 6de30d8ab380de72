// The main window's input: taps on the page, keys, the wheel, hardware buttons, dropped files
// and auto-scroll.
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <cstdlib>

#include "app/DesktopPagingKey.h"
#include "app/HardwareKeyCommand.h"
#include "app/qt/CommandEvent.h"
#include "app/qt/DroppedDocument.h"
#include "app/qt/MainWindow.h"
#include "app/qt/PageWidget.h"
#include "platform/TickCount.h"
#include "platform/qt/KeyCodes.h"
#include "resources/AcceleratorTable.h"
#include "view/AutoScrollPace.h"

namespace sorna {

// The paging keys come after the accelerators; they share no key with them, nor with the
// hardware buttons, which act on release.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const KeyPress press = KeyPressOf(*event);
    std::optional<CommandId> id = FindAccelerator(press);
    if (!id) {
        id = DesktopPagingCommand(press);
    }
    if (id) {
        PostCommand(*this, *id);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Hardware buttons act on release, once however long they are held. With Alt held a release
// belongs to a system key, as Alt+F4 is, and does nothing.
void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || event->modifiers().testFlag(Qt::AltModifier)) {
        return;
    }
    const std::optional<CommandId> id =
        HardwareKeyCommand(HardwareKeyCode(event->key()), settings_);
    if (id) {
        PostCommand(*this, *id);
    }
}

// The wheel steps by the line commands, forward when turned towards the user, in either
// orientation: turned, the keys carry the same commands on other arrows.
void MainWindow::wheelEvent(QWheelEvent* event) {
    event->accept();
    const int32_t lines =
        wheelSteps_.Add(event->angleDelta().y(), QApplication::wheelScrollLines());
    const CommandId step = lines < 0 ? IDM_LINE_UP : IDM_LINE_DOWN;
    for (int32_t line = 0; line < std::abs(lines); ++line) {
        PostCommand(*this, step);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    AcceptDroppedDocument(*event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    AcceptDroppedDocument(*event);
}

// Opened as the open dialog's choice is, once the drop is over: the dropping program waits for
// the drop to end, and neither a failure's message box nor a load may hold it. While another
// document loads, the drop waits for that load.
void MainWindow::dropEvent(QDropEvent* event) {
    const std::u16string path = AcceptDroppedDocument(*event);
    if (path.empty()) {
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, path] { work_.RunWhenIdle([this, path] { OpenChosenDocument(path); }); },
        Qt::QueuedConnection);
}

TapArea MainWindow::CurrentTapArea() const {
    return {page_->width(), page_->height(), settings_.bRotate != 0, settings_.bLeftScroolbar != 0,
            settings_.bUseEngDic != 0};
}

void MainWindow::TapPressed(QPoint position) {
    if (PressAction(CurrentTapArea(), position.x()) == TapAction::kJumpToBar) {
        view_.JumpToBar(position.y());
    }
}

void MainWindow::TapReleased(QPoint position) {
    switch (ReleaseAction(CurrentTapArea(), position.x(), position.y())) {
        case TapAction::kPreviousPage:
            PostCommand(*this, IDM_PAGE_UP);
            break;
        case TapAction::kNextPage:
            PostCommand(*this, IDM_PAGE_DOWN);
            break;
        case TapAction::kLookUpWord:
            LookUpWord(position);
            break;
        default:
            break;
    }
}

void MainWindow::DoubleTapped(QPoint position) {
    if (DoubleTapAction(CurrentTapArea(), position.x(), position.y()) ==
        TapAction::kToggleFullScreen) {
        PostCommand(*this, IDM_FULLSCREEN);
    }
}

void MainWindow::StopAutoScroll() {
    autoScroll_ = false;
    powerKeeper_.Switch(false);
}

void MainWindow::ToggleAutoScroll() {
    autoScroll_ = !autoScroll_;
    powerKeeper_.Switch(autoScroll_);
}

void MainWindow::AutoScrollStep() {
    if (!autoScroll_) {
        return;
    }
    switch (DecideAutoScroll(view_.CountLetters(), lastStep_, TickCount(),
                             settings_.nAutoScrollSpeed)) {
        case AutoScrollAction::Stop:
            StopAutoScroll();
            break;
        case AutoScrollAction::Step:
            lastStep_ = TickCount();
            PostCommand(*this, IDM_LINE_DOWN);
            powerKeeper_.SimulateUserActivity();
            break;
        case AutoScrollAction::Wait:
            break;
    }
}

}  // namespace sorna
