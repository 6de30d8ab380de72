#include "tests/support/StandInService.h"

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

bool StandInOnBus() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(kRecordService);
}

// Polls until done() holds or the wait is over.
void WaitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(kWaitMs);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(10);  // fixed wait: the poll step of a bounded wait
}

}  // namespace

StandInService::StandInService(Serves serves) {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const char* const modes[] = {"screensaver", "portal", "both"};
    process.start(QStringLiteral(SORNA_STAND_IN_SCRIPT), {QString::fromLatin1(modes[int(serves)])});
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
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toStringList()
                                                      : QStringList();
}

QString StandInService::InhibitReason() {
    return QString::fromUtf16(kIdleInhibitReason.data(), qsizetype(kIdleInhibitReason.size()));
}

QString StandInService::InhibitLine(int cookie) {
    return QStringLiteral("Inhibit Sorna %1 -> %2").arg(InhibitReason()).arg(cookie);
}

}  // namespace sorna
