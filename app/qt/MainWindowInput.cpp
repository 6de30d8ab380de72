// The main window's input: taps on the page, keys, the wheel, hardware buttons and dropped
// files, each turned into commands or calls of the session.
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "app/InputCommands.h"
#include "app/qt/MainWindow.h"
#include "app/qt/PageWidget.h"
#include "platform/qt/KeyCodes.h"
#include "resources/AcceleratorTable.h"
#include "settings/KeySlots.h"

namespace sorna {
namespace {

std::u16string FirstLocalFile(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) {
            return url.toLocalFile().toStdU16String();
        }
    }
    return {};
}

// Takes a drag or drop onto the window when it carries a document: the first local file among
// its addresses, since the reader opens one document at a time and cannot read from the
// network. The drop is taken as a copy, so the program it comes from never removes the file;
// a source that offers no copy is refused, as is a drop without a local file. The path of the
// document taken, or the empty string when the drop was refused.
std::u16string AcceptDroppedDocument(QDropEvent& event) {
    std::u16string path;
    if (event.possibleActions().testFlag(Qt::CopyAction) && event.mimeData() != nullptr) {
        path = FirstLocalFile(*event.mimeData());
    }
    if (path.empty()) {
        event.ignore();
        return path;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return path;
}

}  // namespace

// The desktop keys come after the accelerators, and a function key that a hardware-button slot
// claims keeps the slot's function, which acts on its release.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const KeyPress press = KeyPressOf(*event);
    std::optional<CommandId> id = FindAccelerator(press);
    if (!id && !std::ranges::count(SlotKeysToClaim(settings_), HardwareKeyCode(event->key()))) {
        id = DesktopKeyCommand(press);
    }
    if (id) {
        PostCommand(*id);
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
        PostCommand(*id);
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
        PostCommand(step);
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
        this, [this, path] { session_.OpenDroppedDocument(path); }, Qt::QueuedConnection);
}

TapArea MainWindow::CurrentTapArea() const {
    return {page_->width(), page_->height(), settings_.bRotate, settings_.bLeftScroolbar,
            settings_.bUseEngDic};
}

void MainWindow::TapPressed(QPoint position) {
    pressedAt_ = position;
    if (PressAction(CurrentTapArea(), position.x()) == TapAction::kJumpToBar) {
        session_.JumpToBar(position.y());
    }
}

void MainWindow::TapReleased(QPoint position) {
    const TapArea area = CurrentTapArea();
    const QPoint moved = position - pressedAt_;
    const std::optional<TapAction> swipe =
        SwipeAction(area, moved.x(), moved.y(), QApplication::startDragDistance());
    switch (swipe.value_or(ReleaseAction(area, position.x(), position.y()))) {
        case TapAction::kPreviousPage:
            PostCommand(IDM_PAGE_UP);
            break;
        case TapAction::kNextPage:
            PostCommand(IDM_PAGE_DOWN);
            break;
        case TapAction::kLookUpWord:
            session_.LookUpWord(position.x(), position.y());
            break;
        default:
            break;
    }
}

void MainWindow::DoubleTapped(QPoint position) {
    if (DoubleTapAction(CurrentTapArea(), position.x(), position.y()) ==
        TapAction::kToggleFullScreen) {
        PostCommand(IDM_FULLSCREEN);
    }
}

}  // namespace sorna
