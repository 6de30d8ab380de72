#include "platform/qt/DialogPlacement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

#include "platform/DialogPresentation.h"

namespace sorna {
namespace {

// The window at the top of the chain of owners: the main window for every dialog of the reader.
const QWidget* MainWindowOf(const QWidget& dialog) {
    const QWidget* window = dialog.window();
    while (window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    return window;
}

}  // namespace

int ExecFullScreenDialog(QDialog& dialog) {
    const QWidget* mainWindow = MainWindowOf(dialog);
    const QScreen* screen = mainWindow->screen();
    const QSize screenSize =
        (screen != nullptr ? screen : QGuiApplication::primaryScreen())->geometry().size();
    if (OpensFullScreen(mainWindow->isFullScreen(), screenSize.width(), screenSize.height())) {
        dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    } else {
        dialog.adjustSize();
    }
    return dialog.exec();
}

}  // namespace sorna
