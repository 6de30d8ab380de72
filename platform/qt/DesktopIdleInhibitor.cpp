#include "platform/qt/DesktopIdleInhibitor.h"

#include <QDBusMessage>
#include <QVariantMap>

#include "platform/qt/QtConversions.h"
#include "resources/DeviceStrings.h"

namespace sorna {
namespace {

// A hung service must not freeze the reader for long; a healthy one answers in milliseconds.
constexpr int kCallTimeoutMs = 1000;

const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kScreenSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInterface = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString kPortalRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
constexpr uint32_t kPortalInhibitIdle = 8;

QDBusMessage ScreenSaverCall(const QString& method) {
    return QDBusMessage::createMethodCall(kScreenSaverService, kScreenSaverPath,
                                          kScreenSaverInterface, method);
}

// The reply's single argument, or an invalid variant when the call failed or answered otherwise.
QVariant ReplyValue(const QDBusConnection& bus, const QDBusMessage& call, const char* signature) {
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage ||
        reply.signature() != QLatin1String(signature)) {
        return {};
    }
    return reply.arguments().constFirst();
}

}  // namespace

DesktopIdleInhibitor::DesktopIdleInhibitor() : bus(QDBusConnection::sessionBus()) {}

DesktopIdleInhibitor::~DesktopIdleInhibitor() {
    UnInhibit();
}

void DesktopIdleInhibitor::Inhibit() {
    if (!std::holds_alternative<std::monostate>(held)) {
        return;
    }
    held = InhibitScreenSaver();
    if (std::holds_alternative<std::monostate>(held)) {
        held = InhibitThroughPortal();
    }
}

void DesktopIdleInhibitor::UnInhibit() {
    if (const auto* cookie = std::get_if<ScreenSaverCookie>(&held)) {
        QDBusMessage call = ScreenSaverCall(QStringLiteral("UnInhibit"));
        call << *cookie;
        bus.call(call, QDBus::Block, kCallTimeoutMs);
    } else if (const auto* request = std::get_if<PortalRequest>(&held)) {
        bus.call(QDBusMessage::createMethodCall(kPortalService, request->path(),
                                                kPortalRequestInterface, QStringLiteral("Close")),
                 QDBus::Block, kCallTimeoutMs);
    }
    held = std::monostate{};
}

void DesktopIdleInhibitor::SimulateUserActivity() {
    // Nothing waits for the answer: this runs on every auto-scroll step.
    bus.send(ScreenSaverCall(QStringLiteral("SimulateUserActivity")));
}

DesktopIdleInhibitor::Hold DesktopIdleInhibitor::InhibitScreenSaver() const {
    QDBusMessage call = ScreenSaverCall(QStringLiteral("Inhibit"));
    call << ToQString(kIdleInhibitApplication) << ToQString(kIdleInhibitReason);
    const QVariant cookie = ReplyValue(bus, call, "u");
    if (!cookie.isValid()) {
        return {};
    }
    return cookie.toUInt();
}

DesktopIdleInhibitor::Hold DesktopIdleInhibitor::InhibitThroughPortal() const {
    QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                       kPortalInterface, QStringLiteral("Inhibit"));
    const QVariantMap options{{QStringLiteral("reason"), ToQString(kIdleInhibitReason)}};
    call << QString() << kPortalInhibitIdle << options;
    const QVariant request = ReplyValue(bus, call, "o");
    if (!request.isValid()) {
        return {};
    }
    return qvariant_cast<QDBusObjectPath>(request);
}

}  // namespace sorna
