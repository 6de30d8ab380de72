#include "platform/qt/DialogGeometry.h"

#include <QDialog>
#include <QFontMetrics>
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
