#include <gtest/gtest.h>

#include <filesystem>

#include "device/PowerKeeper.h"
#include "platform/NamedEvent.h"
#include "platform/registry/Registry.h"
#include "resources/Format.h"
#include "tests/support/RegistryTestFolder.h"

namespace sorna {
namespace {

// The device values, written out here on their own so that a slip in the keeper's table shows:
// where each one is, its value in data/device, its value while the keeper is on, and its mirror.
struct DeviceValue {
    RegistryRoot root;
    std::u16string_view key;
    std::u16string_view value;
    uint32_t prior;
    uint32_t override;
    int mirrorId;
};

constexpr std::u16string_view kBacklight = u"ControlPanel\\Backlight";
constexpr std::u16string_view kTimeouts = u"SYSTEM\\CurrentControlSet\\Control\\Power\\Timeouts";
constexpr RegistryRoot kUser = HKEY_CURRENT_USER;
constexpr RegistryRoot kMachine = HKEY_LOCAL_MACHINE;

// The backlight's six, then the power manager's six.
constexpr DeviceValue kValues[] = {
    {kUser, u"ControlPanel\\ScreenSaver", u"Mode", 0, 1, 8194},
    {kUser, kBacklight, u"BatteryTimeout", 30, 0, 8192},
    {kUser, kBacklight, u"ACTimeout", 60, 0, 8193},
    {kUser, u"ControlPanel\\Power", u"Display", 180, 0xFFFFFFFF, 8195},
    {kMachine, kBacklight, u"BatteryTimeout", 45, 0, 8202},
    {kMachine, kBacklight, u"ACTimeout", 90, 0, 8203},
    {kMachine, kTimeouts, u"ACUserIdle", 300, 0, 8198},
    {kMachine, kTimeouts, u"BattUserIdle", 120, 0, 8199},
    {kMachine, kTimeouts, u"ACSystemIdle", 600, 0, 8200},
    {kMachine, kTimeouts, u"BattSystemIdle", 240, 0, 8201},
    {kMachine, kTimeouts, u"ACSuspend", 900, 0, 8196},
    {kMachine, kTimeouts, u"BattSuspend", 480, 0, 8197},
};

std::optional<RegistryValue> Value(RegistryRoot root, std::u16string_view key,
                                   std::u16string_view name) {
    const std::optional<RegistryKey> opened = RegistryKey::Open(root, key, RegistryAccess::Read);
    return opened ? opened->QueryValue(name) : std::nullopt;
}

std::optional<RegistryValue> Dword(uint32_t value) {
    return RegistryValue{
        REG_DWORD,
        {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)}};
}

// Each row's value, then its mirror's.
std::vector<std::optional<RegistryValue>> Values() {
    std::vector<std::optional<RegistryValue>> values;
    for (const DeviceValue& device : kValues) {
        values.push_back(Value(device.root, device.key, device.value));
        values.push_back(Value(kMachine, u"", Widen(std::to_string(device.mirrorId))));
    }
    return values;
}

// The keeper's calls of the desktop are the session's and the session bus's tests to see.
class NoInhibitor final : public IdleInhibitor {
public:
    void Inhibit() override {}
    void UnInhibit() override {}
    void SimulateUserActivity() override {}
};

// Times the backlight's and the power manager's events have been set.
std::pair<uint32_t, uint32_t> Events() {
    return {NamedEventSetCount(u"BackLightChangeEvent"),
            NamedEventSetCount(u"PowerManager/ReloadActivityTimeouts")};
}

class PowerKeeperTest : public testing::Test {
protected:
    // Puts the files of a hive in data/ in place and reads them, as a run starting would.
    void LoadHive(std::string_view name) {
        std::filesystem::copy(std::filesystem::path(SORNA_TEST_DATA_DIR) / name, folder.Path(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        LoadRegistry(folder.Path());
    }

    RegistryTestFolder folder;
    NoInhibitor inhibitor;
};

// A hive of data/ (or none at all, as on a desktop), and the rows of kValues that it holds as
// DWORDs, or a killed run's mirror holds, which the keeper can give back: an 'x' for each.
struct Hive {
    const char* name;
    const char* restorable;
    uint32_t events;  // of the power manager, set at each switch when its key is there
};

void PrintTo(const Hive& hive, std::ostream* out) {
    *out << (*hive.name != 0 ? hive.name : "none");
}

class EveryHive : public PowerKeeperTest, public testing::WithParamInterface<Hive> {};

TEST_P(EveryHive, OverridesOnlyWhatItCanGiveBackAndGivesItBackWhenSwitchedOff) {
    const Hive& hive = GetParam();
    if (*hive.name != 0) {
        LoadHive(hive.name);
    }
    std::vector<std::optional<RegistryValue>> whileOn = Values();
    std::vector<std::optional<RegistryValue>> whileOff = whileOn;
    for (size_t row = 0; row < std::size(kValues); ++row) {
        whileOff[2 * row + 1] = std::nullopt;
        if (hive.restorable[row] == 'x') {
            whileOn[2 * row] = Dword(kValues[row].override);
            whileOn[2 * row + 1] = whileOff[2 * row] = Dword(kValues[row].prior);
        }
    }
    const auto [backlightEvents, powerManagerEvents] = Events();
    PowerKeeper keeper(inhibitor);
    // The first switch-off gives back what a killed run left; repeating a switch does nothing.
    for (const bool on : {false, true, true, false, false}) {
        keeper.Switch(on);
        LoadRegistry(folder.Path());  // what the next run finds, even after a kill
        EXPECT_EQ(Values(), on ? whileOn : whileOff);
    }
    EXPECT_EQ(Events(), std::pair(backlightEvents + 3, powerManagerEvents + hive.events));
    // Without a change no file is written.
    EXPECT_EQ(std::filesystem::is_empty(folder.Path()), *hive.name == 0);
}

// data/unrestorable: one value missing, one text, one of the wrong size. data/after-killed-run:
// the overrides still in force and the mirror of data/device, but the user has since set the
// display's timeout to 300 seconds.
const Hive kHives[] = {
    {"device", "xxxxxxxxxxxx", 3},
    {"after-killed-run", "xxxxxxxxxxxx", 3},
    {"no-power-manager", "xxxxxx......", 0},
    {"unrestorable", "xx...x......", 0},
    {"", "............", 0},
};

INSTANTIATE_TEST_SUITE_P(PowerKeeper, EveryHive, testing::ValuesIn(kHives));

// While its override holds, a value's mirror already holds the true prior value.
TEST_F(PowerKeeperTest, AFirstSwitchOnKeepsTheMirrorOfAKilledRunWhereTheOverrideHolds) {
    LoadHive("device");
    std::vector<std::optional<RegistryValue>> expected = Values();
    const size_t display = 3;  // the display's row, no override, was taken for its prior value
    expected[2 * display] = Dword(300);
    LoadHive("after-killed-run");
    {
        PowerKeeper keeper(inhibitor);
        keeper.Switch(true);
    }  // and off as it goes
    LoadRegistry(folder.Path());
    EXPECT_EQ(Values(), expected);
}

}  // namespace
}  // namespace sorna
