#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QStringList>

#include "platform/qt/DesktopIdleInhibitor.h"
#include "tests/support/StandInService.h"

namespace sorna {
namespace {

// The calls while auto-scroll runs: on (twice, as a repeated toggle message would), a step, off,
// on again and the end of the program.
TEST(DesktopIdleInhibitor, HoldsTheScreenSaverWithTheCookieItWasGivenUntilItEnds) {
    StandInService service("screensaver");
    ASSERT_TRUE(service.IsReady());
    {
        DesktopIdleInhibitor inhibitor;
        inhibitor.Inhibit();
        inhibitor.Inhibit();
        inhibitor.SimulateUserActivity();
        inhibitor.UnInhibit();
        inhibitor.Inhibit();
    }
    EXPECT_EQ(service.Calls(),
              QStringList({StandInService::InhibitLine(4101), "SimulateUserActivity",
                           "UnInhibit 4101", StandInService::InhibitLine(4102), "UnInhibit 4102"}));
}

TEST(DesktopIdleInhibitor, FallsBackToThePortalsIdleInhibition) {
    StandInService service("portal");
    ASSERT_TRUE(service.IsReady());
    DesktopIdleInhibitor inhibitor;
    inhibitor.Inhibit();
    inhibitor.Inhibit();
    inhibitor.UnInhibit();
    const QStringList calls = service.Calls();
    ASSERT_EQ(calls.size(), 2) << calls.join('\n').toStdString();
    // No parent window, flag 8 (idle), the reason; the request object it returned gets closed.
    const QString inhibitPrefix =
        QStringLiteral("PortalInhibit '' 8 %1 -> ").arg(ToQString(kIdleInhibitReason));
    ASSERT_TRUE(calls[0].startsWith(inhibitPrefix)) << calls[0].toStdString();
    EXPECT_EQ(calls[1], "Close " + calls[0].mid(inhibitPrefix.size()));
}

// Nothing to hold means nothing to give back: a service that appears later never sees a cookie the
// reader made up, and the next Inhibit finds it, the screen saver before the portal.
TEST(DesktopIdleInhibitor, WithoutAServiceHoldsNothing) {
    DesktopIdleInhibitor inhibitor;
    inhibitor.Inhibit();
    StandInService service("both");
    ASSERT_TRUE(service.IsReady());
    inhibitor.UnInhibit();
    inhibitor.Inhibit();
    EXPECT_EQ(service.Calls(), QStringList({StandInService::InhibitLine(4101)}));
}

QStringList qtMessages;

void RecordQtMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    qtMessages.append(message);
}

// Run on its own without a session bus (no address, no display to start one from).
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
