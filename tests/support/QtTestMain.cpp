#include <gtest/gtest.h>

#include <QCoreApplication>

// Qt's session bus wants an application object before the first connection.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
