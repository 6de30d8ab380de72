#include "tests/device/StandInService.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>

#include "resources/DeviceStrings.h"

namespace sorna {
namespace {

const QString kRecordService = QStringLiteral("org.sorna.StandIn");
constexpr int kWaitMs = 5000;

QString ModeArgument(StandInService::Serves serves) {
    switch (serves) {
        case StandInService::Serves::ScreenSaver:
            return QStringLiteral("screensaver");
        case StandInService::Serves::Portal:
            return QStringLiteral("portal");
        case StandInService::Serves::Both:
            return QStringLiteral("both");
    }
    return {};
}

bool StandInOnBus() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kRecordService);
}

// Polls until done() holds or the wait is over.
void WaitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(kWaitMs);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(10);
}

}  // namespace

StandInService::StandInService(Serves serves) {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(SORNA_STAND_IN_SCRIPT), {ModeArgument(serves)});
    process.waitForStarted(kWaitMs);
    WaitUntil([this] { return StandInOnBus() || process.state() == QProcess::NotRunning; });
}

StandInService::~StandInService() {
    process.terminate();
    process.waitForFinished(kWaitMs);
    WaitUntil([] { return !StandInOnBus(); });
}

bool StandInService::IsReady() const {
    return process.state() == QProcess::Running && StandInOnBus();
}

QStringList StandInService::Calls() const {
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        kRecordService, QStringLiteral("/Record"), kRecordService, QStringLiteral("Calls")));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().toStringList();
}

QStringList StandInService::WaitForCalls(qsizetype count) const {
    QStringList calls;
    WaitUntil([&] {
        calls = Calls();
        return calls.size() >= count;
    });
    return calls;
}

QString StandInService::InhibitReason() {
    return QString::fromUtf16(kIdleInhibitReason.data(), qsizetype(kIdleInhibitReason.size()));
}

QString StandInService::InhibitLine(int cookie) {
    return QStringLiteral("Inhibit Sorna %1 -> %2").arg(InhibitReason()).arg(cookie);
}

}  // namespace sorna
