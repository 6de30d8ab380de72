#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "platform/qt/SingleInstance.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"

// A start of the reader cut down to its single-instance step: exits with 0 when a running reader
// took over, otherwise runs as the reader with a window of its own until it is killed.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    sorna::SingleInstance instance(sorna::ToQString(sorna::kInstanceName));
    if (instance.HandOverToRunning(sorna::CommandLineText(QApplication::arguments())) ==
        sorna::StartRole::kHandedOver) {
        return 0;
    }
    QWidget window;
    window.show();
    if (!instance.Serve(window)) {
        return 2;
    }
    std::puts("serving");
    std::fflush(stdout);
    return QApplication::exec();
}
