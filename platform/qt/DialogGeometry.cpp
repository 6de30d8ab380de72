#include "platform/qt/DialogGeometry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>

#include "platform/DialogPresentation.h"
#include "platform/qt/FitDialogContent.h"

namespace sorna {

namespace {

// The characters a list box shows at the least.
constexpr int kShortestListText = 4;

// The window at the top of the chain of owners: the main window for every dialog of the reader.
const QWidget& MainWindowOf(const QWidget& dialog) {
    const QWidget* window = dialog.window();
    while (window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    return *window;
}

const QScreen& ScreenOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return *(screen != nullptr ? screen : QGuiApplication::primaryScreen());
}

// The room for a dialog's inside: the screen less the desktop's panels, and less the frame the
// desktop puts around a window, as it framed the main window.
QSize RoomOn(const QScreen& screen, const QWidget& mainWindow) {
    return screen.availableGeometry().size() -
           (mainWindow.frameGeometry().size() - mainWindow.size());
}

// On a phone's screen buttons are finger-sized, and a list box may be narrower than its longest
// entry, as it is anyway where there is room.
void FitForFingers(QWidget& dialog) {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QSize least = button->minimumSize().expandedTo({kFingerSide, kFingerSide});
        button->setMaximumSize(button->maximumSize().expandedTo(least));
        button->setMinimumSize(least);
    }
    for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
        list->setMinimumContentsLength(std::max(list->minimumContentsLength(), kShortestListText));
    }
}

// Takes in the sizes the dialog's controls ask for now, before they are weighed.
void SettleLayout(QDialog& dialog) {
    if (QLayout* layout = dialog.layout()) {
        layout->activate();
    }
}

// The size the dialog would open at, at most `room`.
QSize BoundedSize(QDialog& dialog, QSize room) {
    if (!dialog.testAttribute(Qt::WA_Resized)) {
        dialog.adjustSize();
    }
    return dialog.size().boundedTo(room);
}

int ExecFitted(QDialog& dialog, bool mayCoverScreen) {
    const QWidget& mainWindow = MainWindowOf(dialog);
    const QScreen& screen = ScreenOf(mainWindow);
    const QSize screenSize = screen.geometry().size();
    const QSize room = RoomOn(screen, mainWindow);
    if (OnPocketScreen(dialog)) {
        FitForFingers(dialog);
    }
    SettleLayout(dialog);
    FitDialogContent(dialog, room);
    SettleLayout(dialog);
    dialog.resize(BoundedSize(dialog, room));
    if (mayCoverScreen &&
        OpensFullScreen(mainWindow.isFullScreen(), screenSize.width(), screenSize.height())) {
        dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    }
    return dialog.exec();
}

}  // namespace

bool OnPocketScreen(const QWidget& widget) {
    const QSize screenSize = ScreenOf(MainWindowOf(widget)).geometry().size();
    return IsPocketScreen(screenSize.width(), screenSize.height());
}

int ExecDialog(QDialog& dialog) {
    return ExecFitted(dialog, false);
}

// Grown where it stands, then moved back inside the screen as far as it reaches past an edge.
void RefitDialog(QDialog& dialog) {
    SettleLayout(dialog);
    const QWidget& mainWindow = MainWindowOf(dialog);
    const QScreen& screen = ScreenOf(mainWindow);
    dialog.resize(
        dialog.sizeHint().expandedTo(dialog.size()).boundedTo(RoomOn(screen, mainWindow)));
    const QRect area = screen.availableGeometry();
    QRect frame = dialog.frameGeometry();
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    dialog.move(frame.topLeft());
}

int ExecFullScreenDialog(QDialog& dialog) {
    return ExecFitted(dialog, true);
}

namespace {

// The average width is taken over the 52 Latin letters, rounded, as dialog templates measure it.
int AverageCharWidth(const QFontMetrics& metrics) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

}  // namespace

QSize DialogUnitsToPixels(QSize units, const QFont& font) {
    const QFontMetrics metrics(font);
    return {units.width() * AverageCharWidth(metrics) / 4, units.height() * metrics.height() / 8};
}

}  // namespace sorna
