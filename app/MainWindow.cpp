#include "app/MainWindow.h"

namespace sorna {

MainWindow::MainWindow() {
    setWindowTitle(QStringLiteral("Sorna 1.71"));
}

}  // namespace sorna
