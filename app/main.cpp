#include <QApplication>

#include "app/MainWindow.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    sorna::MainWindow window;
    window.show();
    return application.exec();
}
