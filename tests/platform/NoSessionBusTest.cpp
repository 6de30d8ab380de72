#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QStringList>

#include "platform/qt/DesktopIdleInhibitor.h"

namespace sorna {
namespace {

QStringList qtMessages;

void RecordQtMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    qtMessages.append(message);
}

// This program runs without a session bus (no address, no display to start one from).
TEST(NoSessionBus, EveryCallIsQuietlyNothing) {
    ASSERT_FALSE(QDBusConnection::sessionBus().isConnected());
    const QtMessageHandler previous = qInstallMessageHandler(RecordQtMessage);
    {
        DesktopIdleInhibitor inhibitor;
        inhibitor.Inhibit();
        inhibitor.SimulateUserActivity();
        inhibitor.UnInhibit();
        inhibitor.Inhibit();
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(qtMessages, QStringList());
}

}  // namespace
}  // namespace sorna
