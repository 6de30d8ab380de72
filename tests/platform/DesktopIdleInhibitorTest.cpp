#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QStringList>

#include "platform/qt/DesktopIdleInhibitor.h"
#include "tests/support/StandInService.h"

namespace sorna {
namespace {

// The calls while auto-scroll runs: on (twice, as a repeated toggle message would), a step, off,
// on again and the end of the program.
void RunAutoScroll() {
    DesktopIdleInhibitor inhibitor;
    inhibitor.Inhibit();
    inhibitor.Inhibit();
    inhibitor.SimulateUserActivity();
    inhibitor.UnInhibit();
    inhibitor.Inhibit();
}

TEST(DesktopIdleInhibitor, HoldsTheScreenSaverWithTheCookieItWasGivenUntilItEnds) {
    StandInService service("screensaver");
    ASSERT_TRUE(service.IsReady());
    RunAutoScroll();
    EXPECT_EQ(service.Calls(),
              QStringList({StandInService::InhibitLine(4101), "SimulateUserActivity",
                           "UnInhibit 4101", StandInService::InhibitLine(4102), "UnInhibit 4102"}));
}

// The portal has no user activity to simulate.
TEST(DesktopIdleInhibitor, FallsBackToThePortalsIdleInhibition) {
    StandInService service("portal");
    ASSERT_TRUE(service.IsReady());
    RunAutoScroll();
    const QStringList calls = service.Calls();
    ASSERT_EQ(calls.size(), 4) << calls.join('\n').toStdString();
    // No parent window, flag 8 (idle), the reason; the request object it returned gets closed.
    const QString inhibitPrefix =
        QStringLiteral("PortalInhibit '' 8 %1 -> ").arg(ToQString(kIdleInhibitReason));
    for (const int call : {0, 2}) {
        ASSERT_TRUE(calls[call].startsWith(inhibitPrefix)) << calls[call].toStdString();
        EXPECT_EQ(calls[call + 1], "Close " + calls[call].mid(inhibitPrefix.size()));
    }
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

// Run on its own without a session bus (no address, no display to start one from).
TEST(NoSessionBus, EveryCallIsQuietlyNothing) {
    ASSERT_FALSE(QDBusConnection::sessionBus().isConnected());
    static QStringList qtMessages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { qtMessages.append(text); });
    RunAutoScroll();
    qInstallMessageHandler(previous);
    EXPECT_EQ(qtMessages, QStringList());
}

}  // namespace
}  // namespace sorna
