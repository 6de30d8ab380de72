#include <gtest/gtest.h>

#include "device/PowerKeeper.h"
#include "platform/qt/DesktopIdleInhibitor.h"
#include "tests/platform/RegistryTestFolder.h"
#include "tests/support/StandInService.h"

namespace sorna {
namespace {

// The calls the shell makes: the first activation, auto-scroll on (twice, as a repeated toggle
// message would), a step, a stop, auto-scroll on again and the main window's destruction.
TEST(PowerKeeperOnTheSessionBus, HoldsTheDesktopAwakeExactlyWhileOn) {
    RegistryTestFolder registry;
    StandInService service(StandInService::Serves::ScreenSaver);
    ASSERT_TRUE(service.IsReady());
    DesktopIdleInhibitor inhibitor;
    {
        PowerKeeper keeper(inhibitor);
        keeper.Switch(false);
        keeper.Switch(true);
        keeper.Switch(true);
        keeper.SimulateUserActivity();
        keeper.Switch(false);
        keeper.Switch(true);
    }
    EXPECT_EQ(service.Calls(),
              QStringList({StandInService::InhibitLine(4101), "SimulateUserActivity",
                           "UnInhibit 4101", StandInService::InhibitLine(4102), "UnInhibit 4102"}));
}

}  // namespace
}  // namespace sorna
