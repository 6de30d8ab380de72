#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <cstdint>
#include <variant>

#include "platform/IdleInhibitor.h"

namespace sorna {

// Keeps the desktop awake over the session bus: through org.freedesktop.ScreenSaver where the
// desktop serves it, otherwise through the desktop portal's idle inhibition. The bus ends both when
// the process dies, so even a killed reader leaves nothing held. Without a bus or either service
// every call quietly does nothing.
class DesktopIdleInhibitor final : public IdleInhibitor {
public:
    // Talks to the session bus; a program without one gets an inhibitor that does nothing.
    DesktopIdleInhibitor();
    ~DesktopIdleInhibitor() override;
    DesktopIdleInhibitor(const DesktopIdleInhibitor&) = delete;
    DesktopIdleInhibitor& operator=(const DesktopIdleInhibitor&) = delete;

    void Inhibit() override;
    void UnInhibit() override;
    void SimulateUserActivity() override;

private:
    using ScreenSaverCookie = uint32_t;
    using PortalRequest = QDBusObjectPath;
    using Hold = std::variant<std::monostate, ScreenSaverCookie, PortalRequest>;

    Hold InhibitScreenSaver() const;
    Hold InhibitThroughPortal() const;

    QDBusConnection bus;
    Hold held;
};

}  // namespace sorna
