#include <QApplication>

#include "app/MainWindow.h"
#include "settings/AppSettings.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The settings were loaded during static initialisation, before this entry ran.
    sorna::MainWindow window(sorna::AppSettings());
    window.show();
    return application.exec();
}
