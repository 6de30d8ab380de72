#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <functional>
#include <ostream>

#include "platform/qt/QtConversions.h"
#include "resources/DeviceStrings.h"

// The lines of the record read as text in a test's failure message.
inline void PrintTo(const QString& line, std::ostream* out) {
    *out << '"' << line.toStdString() << '"';
}

namespace sorna {

// The desktop services of ScreenSaverStandIn.py ("screensaver", "portal" or "both"), running on
// the test's private session bus for as long as this object lives.
class StandInService {
public:
    explicit StandInService(const char* serves) {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(SORNA_STAND_IN_SCRIPT), {QString::fromLatin1(serves)});
        process.waitForStarted(kWaitMs);
        WaitUntil([this] { return OnBus() || process.state() == QProcess::NotRunning; });
    }
    // Stops the service and waits until its names have left the bus.
    ~StandInService() {
        process.terminate();
        process.waitForFinished(kWaitMs);
        WaitUntil([] { return !OnBus(); });
    }

    // True once every name of the service is on the bus.
    bool IsReady() const { return process.state() == QProcess::Running && OnBus(); }

    // The calls the service has seen, in order; see the script for the lines it writes. A call
    // answered (or sent before one answered) on the same connection is there.
    static QStringList Calls() {
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
                kRecord, QStringLiteral("/Record"), kRecord, QStringLiteral("Calls")));
        return reply.arguments().value(0).toStringList();
    }

    // The line of the reader's screen-saver Inhibit answered with this cookie. Cookies count up
    // from 4101.
    static QString InhibitLine(int cookie) {
        return "Inhibit Sorna " + ToQString(kIdleInhibitReason) + " -> " + QString::number(cookie);
    }

private:
    static constexpr int kWaitMs = 5000;
    static inline const QString kRecord = QStringLiteral("org.sorna.StandIn");

    static bool OnBus() {
        return QDBusConnection::sessionBus().interface()->isServiceRegistered(kRecord);
    }

    // Polls until done() holds or the wait is over.
    static void WaitUntil(const std::function<bool()>& done) {
        const QDeadlineTimer deadline(kWaitMs);
        while (!done() && !deadline.hasExpired()) {
            QThread::msleep(10);  // fixed wait: the poll step of a bounded wait
        }
    }

    QProcess process;
};

}  // namespace sorna
