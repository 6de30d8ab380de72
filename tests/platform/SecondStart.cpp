#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "platform/qt/QtConversions.h"
#include "platform/qt/SingleInstance.h"
#include "resources/AppStrings.h"

// A start of the reader cut down to its single-instance step, which hands over its arguments
// joined by spaces: exits with 0 when a running reader took over, otherwise runs as the reader
// with a window of its own until it is killed.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    sorna::SingleInstance instance(sorna::ToQString(sorna::kInstanceName));
    const QString commandLine = QApplication::arguments().mid(1).join(u' ');
    if (instance.HandOverToRunning(commandLine.toStdU16String()) == sorna::StartRole::kHandedOver) {
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
