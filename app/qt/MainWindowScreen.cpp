// Full screen: the page covers the whole screen, without the menu bar and the desktop's panels.
#include "app/qt/MainWindow.h"
#include "app/qt/MenuBar.h"

namespace sorna {

void MainWindow::ToggleFullScreen() {
    if (fullScreen_) {
        menuBar_->show();
        // Back to the window the desktop gave, maximised again if it was.
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    } else {
        EnterFullScreen();
    }
    UpdateLayout();
    fullScreen_ = !fullScreen_;
    if (settings_.bRotate) {
        ApplySettings();
    }
}

void MainWindow::EnterFullScreen() {
    menuBar_->hide();
    setWindowState(windowState() | Qt::WindowFullScreen);
}

}  // namespace sorna
