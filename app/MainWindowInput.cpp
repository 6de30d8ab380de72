// The main window's input: taps on the page, keys, hardware buttons and auto-scroll.
#include <QKeyEvent>

#include "app/CommandEvent.h"
#include "app/HardwareKeyCommand.h"
#include "app/MainWindow.h"
#include "app/PageWidget.h"
#include "platform/KeyCodes.h"
#include "platform/TickCount.h"
#include "resources/AcceleratorTable.h"
#include "view/AutoScrollPace.h"

namespace sorna {

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<CommandId> id = FindAccelerator(KeyPressOf(*event))) {
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
