#include "app/MainWindow.h"

#include <QCloseEvent>

namespace sorna {

MainWindow::MainWindow(Settings& settings) : settings_(settings) {
    setWindowTitle(QStringLiteral("Sorna 1.71"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    settings_.SaveSettings();
    QMainWindow::closeEvent(event);
}

}  // namespace sorna
