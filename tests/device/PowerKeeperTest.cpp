#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/PowerKeeper.h"
#include "platform/NamedEvent.h"
#include "platform/registry/Registry.h"
#include "resources/Format.h"
#include "tests/platform/RegistryTestFolder.h"

namespace sorna {
namespace {

// A device value of the hive in data/device, written out here on its own, so that a slip in the
// keeper's table shows.
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

constexpr DeviceValue kBacklightValues[] = {
    {HKEY_CURRENT_USER, u"ControlPanel\\ScreenSaver", u"Mode", 0, 1, 8194},
    {HKEY_CURRENT_USER, kBacklight, u"BatteryTimeout", 30, 0, 8192},
    {HKEY_CURRENT_USER, kBacklight, u"ACTimeout", 60, 0, 8193},
    {HKEY_CURRENT_USER, u"ControlPanel\\Power", u"Display", 180, 0xFFFFFFFF, 8195},
    {HKEY_LOCAL_MACHINE, kBacklight, u"BatteryTimeout", 45, 0, 8202},
    {HKEY_LOCAL_MACHINE, kBacklight, u"ACTimeout", 90, 0, 8203},
};
constexpr DeviceValue kPowerManagerValues[] = {
    {HKEY_LOCAL_MACHINE, kTimeouts, u"ACUserIdle", 300, 0, 8198},
    {HKEY_LOCAL_MACHINE, kTimeouts, u"BattUserIdle", 120, 0, 8199},
    {HKEY_LOCAL_MACHINE, kTimeouts, u"ACSystemIdle", 600, 0, 8200},
    {HKEY_LOCAL_MACHINE, kTimeouts, u"BattSystemIdle", 240, 0, 8201},
    {HKEY_LOCAL_MACHINE, kTimeouts, u"ACSuspend", 900, 0, 8196},
    {HKEY_LOCAL_MACHINE, kTimeouts, u"BattSuspend", 480, 0, 8197},
};

constexpr std::u16string_view kBacklightEvent = u"BackLightChangeEvent";
constexpr std::u16string_view kPowerManagerEvent = u"PowerManager/ReloadActivityTimeouts";

std::optional<RegistryValue> Value(RegistryRoot root, std::u16string_view key,
                                   std::u16string_view value) {
    const std::optional<RegistryKey> opened = RegistryKey::Open(root, key, RegistryAccess::Read);
    return opened ? opened->QueryValue(value) : std::nullopt;
}

std::optional<uint32_t> Dword(RegistryRoot root, std::u16string_view key,
                              std::u16string_view value) {
    const std::optional<RegistryKey> opened = RegistryKey::Open(root, key, RegistryAccess::Read);
    return opened ? opened->QueryDword(value) : std::nullopt;
}

std::optional<uint32_t> Mirrored(const DeviceValue& device) {
    return Dword(HKEY_LOCAL_MACHINE, u"", Widen(std::to_string(device.mirrorId)));
}

std::vector<std::u16string> MirrorNames() {
    return RegistryKey::Open(HKEY_LOCAL_MACHINE, u"", RegistryAccess::Read)->ValueNames();
}

void ExpectPriorValues(std::span<const DeviceValue> values) {
    for (const DeviceValue& device : values)
        EXPECT_EQ(Dword(device.root, device.key, device.value), device.prior) << device.mirrorId;
}

void ExpectOverridden(std::span<const DeviceValue> values) {
    for (const DeviceValue& device : values) {
        EXPECT_EQ(Dword(device.root, device.key, device.value), device.override) << device.mirrorId;
        EXPECT_EQ(Mirrored(device), device.prior) << device.mirrorId;
    }
}

class CountingIdleInhibitor final : public IdleInhibitor {
public:
    void Inhibit() override { ++inhibits; }
    void UnInhibit() override { ++uninhibits; }
    void SimulateUserActivity() override {}

    int inhibits = 0;
    int uninhibits = 0;
};

class PowerKeeperTest : public testing::Test {
protected:
    // Puts the hive files of a data folder in place and reads them, as a run starting would.
    void LoadHive(std::string_view name) {
        const std::filesystem::path hive = std::filesystem::path(SORNA_TEST_DATA_DIR) / name;
        for (const auto& file : std::filesystem::directory_iterator(hive))
            std::filesystem::copy_file(file.path(), folder.Path() / file.path().filename());
        Reload();
    }

    // Reads both roots from their files again: what the next run finds, even after a kill.
    void Reload() const { LoadRegistry(folder.Path()); }

    // Times each event has been set since the test began.
    uint32_t BacklightEvents() const { return NamedEventSetCount(kBacklightEvent) - backlightBase; }
    uint32_t PowerManagerEvents() const {
        return NamedEventSetCount(kPowerManagerEvent) - powerManagerBase;
    }

    RegistryTestFolder folder;
    CountingIdleInhibitor inhibitor;
    const uint32_t backlightBase = NamedEventSetCount(kBacklightEvent);
    const uint32_t powerManagerBase = NamedEventSetCount(kPowerManagerEvent);
};

TEST_F(PowerKeeperTest, OnTwiceThenOffRestoresTheTruePriorValues) {
    LoadHive("device");
    PowerKeeper keeper(inhibitor);
    keeper.Switch(true);
    keeper.Switch(true);
    Reload();
    ExpectOverridden(kBacklightValues);
    ExpectOverridden(kPowerManagerValues);
    EXPECT_EQ(BacklightEvents(), 1u);
    EXPECT_EQ(PowerManagerEvents(), 1u);

    keeper.Switch(false);
    keeper.Switch(false);
    Reload();
    ExpectPriorValues(kBacklightValues);
    ExpectPriorValues(kPowerManagerValues);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kBacklight, u"Brightness"), 80u);
    EXPECT_EQ(MirrorNames(), std::vector<std::u16string>());
    EXPECT_EQ(BacklightEvents(), 2u);
    EXPECT_EQ(PowerManagerEvents(), 2u);
    EXPECT_EQ(inhibitor.inhibits, 1);
    EXPECT_EQ(inhibitor.uninhibits, 1);
}

TEST_F(PowerKeeperTest, WithoutThePowerManagerKeyOnlyTheBacklightRowsRun) {
    LoadHive("no-power-manager");
    PowerKeeper keeper(inhibitor);
    keeper.Switch(true);
    Reload();
    ExpectOverridden(kBacklightValues);
    EXPECT_EQ(MirrorNames().size(), std::size(kBacklightValues));
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kTimeouts, RegistryAccess::Read));

    keeper.Switch(false);
    Reload();
    ExpectPriorValues(kBacklightValues);
    EXPECT_EQ(MirrorNames(), std::vector<std::u16string>());
    EXPECT_EQ(BacklightEvents(), 2u);
    EXPECT_EQ(PowerManagerEvents(), 0u);
}

// The hive of a run killed while auto-scroll ran holds the overrides and the mirror; since then
// the user has set the display timeout to 300 seconds.
TEST_F(PowerKeeperTest, TheFirstSwitchOffRestoresWhatAKilledRunLeft) {
    LoadHive("after-killed-run");
    PowerKeeper keeper(inhibitor);
    keeper.Switch(false);
    Reload();
    ExpectPriorValues(kBacklightValues);
    ExpectPriorValues(kPowerManagerValues);
    EXPECT_EQ(MirrorNames(), std::vector<std::u16string>());
}

TEST_F(PowerKeeperTest, AFirstSwitchOnNeverMirrorsTheOverridesAKilledRunLeft) {
    LoadHive("after-killed-run");
    const DeviceValue& display = kBacklightValues[3];
    PowerKeeper keeper(inhibitor);
    keeper.Switch(true);
    Reload();
    ExpectOverridden(kPowerManagerValues);
    EXPECT_EQ(Mirrored(display), 300u);  // not the override, so it is the prior value now

    keeper.Switch(false);
    Reload();
    ExpectPriorValues(std::span(kBacklightValues).first(3));
    ExpectPriorValues(std::span(kBacklightValues).last(2));
    ExpectPriorValues(kPowerManagerValues);
    EXPECT_EQ(Dword(display.root, display.key, display.value), 300u);
    EXPECT_EQ(MirrorNames(), std::vector<std::u16string>());
}

// A value that is missing, or is not a DWORD, could not be given back; it is left alone.
TEST_F(PowerKeeperTest, ValuesThatCouldNotBeRestoredAreNeverOverridden) {
    LoadHive("unrestorable");
    const std::optional<RegistryValue> display =
        Value(HKEY_CURRENT_USER, u"ControlPanel\\Power", u"Display");
    const std::optional<RegistryValue> machineBattery =
        Value(HKEY_LOCAL_MACHINE, kBacklight, u"BatteryTimeout");
    const DeviceValue restorable[] = {kBacklightValues[0], kBacklightValues[1],
                                      kBacklightValues[5]};
    PowerKeeper keeper(inhibitor);
    keeper.Switch(true);
    Reload();
    ExpectOverridden(restorable);
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kBacklight, u"ACTimeout"), std::nullopt);
    EXPECT_EQ(Value(HKEY_CURRENT_USER, u"ControlPanel\\Power", u"Display"), display);
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kBacklight, u"BatteryTimeout"), machineBattery);
    EXPECT_EQ(MirrorNames().size(), std::size(restorable));

    keeper.Switch(false);
    Reload();
    ExpectPriorValues(restorable);
    EXPECT_EQ(Value(HKEY_CURRENT_USER, kBacklight, u"ACTimeout"), std::nullopt);
    EXPECT_EQ(MirrorNames(), std::vector<std::u16string>());
}

// A desktop has none of the device keys: the keeper holds only the desktop's inhibition and never
// writes a registry file.
TEST_F(PowerKeeperTest, WithoutDeviceKeysNoFileIsWritten) {
    PowerKeeper keeper(inhibitor);
    keeper.Switch(true);
    keeper.Switch(false);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
    EXPECT_EQ(inhibitor.inhibits, 1);
    EXPECT_EQ(inhibitor.uninhibits, 1);
}

}  // namespace
}  // namespace sorna
