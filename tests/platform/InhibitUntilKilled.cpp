#include <QCoreApplication>
#include <cstdio>

#include "platform/DesktopIdleInhibitor.h"

// Holds the desktop awake and says so, then waits to be killed.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    sorna::DesktopIdleInhibitor inhibitor;
    inhibitor.Inhibit();
    std::puts("inhibited");
    std::fflush(stdout);
    return application.exec();
}
