#include <gtest/gtest.h>

#include <QApplication>

// Widget tests need one application object for the whole run, on a screen of their own; so does
// Qt's session bus, before its first connection.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
