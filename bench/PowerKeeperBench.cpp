// The cost of one auto-scroll toggle on the interface thread: the keeper's walk over a device hive
// against its unavoidable part, writing the two hive files as often as the walk does.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

#include "bench/RatioReporter.h"
#include "bench/Require.h"
#include "device/PowerKeeper.h"
#include "platform/registry/Registry.h"

namespace sorna {
namespace {

class NoDesktop final : public IdleInhibitor {
public:
    void Inhibit() override {}
    void UnInhibit() override {}
    void SimulateUserActivity() override {}
};

// A registry folder of its own holding a device's backlight and power-manager values.
class DeviceHive {
public:
    DeviceHive() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorna-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            folder = pattern;
        }
        LoadRegistry(folder);
        SetAll(HKEY_CURRENT_USER, u"ControlPanel\\Backlight", {u"BatteryTimeout", u"ACTimeout"});
        SetAll(HKEY_CURRENT_USER, u"ControlPanel\\ScreenSaver", {u"Mode"});
        SetAll(HKEY_CURRENT_USER, u"ControlPanel\\Power", {u"Display"});
        SetAll(HKEY_LOCAL_MACHINE, u"ControlPanel\\Backlight", {u"BatteryTimeout", u"ACTimeout"});
        SetAll(HKEY_LOCAL_MACHINE, u"SYSTEM\\CurrentControlSet\\Control\\Power\\Timeouts",
               {u"ACUserIdle", u"BattUserIdle", u"ACSystemIdle", u"BattSystemIdle", u"ACSuspend",
                u"BattSuspend"});
    }
    ~DeviceHive() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

private:
    static void SetAll(RegistryRoot root, std::u16string_view key,
                       std::initializer_list<std::u16string_view> values) {
        std::optional<RegistryKey> opened = RegistryKey::Create(root, key);
        for (const std::u16string_view value : values) {
            Require(opened && opened->SetDword(value, 60), "set up the device values");
        }
    }

    std::filesystem::path folder;
};

void BM_KeeperOnAndOff(benchmark::State& state) {
    const DeviceHive hive;
    NoDesktop desktop;
    PowerKeeper keeper(desktop);
    for (auto _ : state) {
        keeper.Switch(true);
        keeper.Switch(false);
    }
}
BENCHMARK(BM_KeeperOnAndOff)->Unit(benchmark::kMicrosecond);

// Baseline: the four file writes of an on-and-off cycle, without the walk.
void BM_FourHiveWrites(benchmark::State& state) {
    const DeviceHive hive;
    for (auto _ : state) {
        for (int i = 0; i < 2; ++i) {
            benchmark::DoNotOptimize(FlushRegistry(HKEY_LOCAL_MACHINE));
            benchmark::DoNotOptimize(FlushRegistry(HKEY_CURRENT_USER));
        }
    }
}
BENCHMARK(BM_FourHiveWrites)->Unit(benchmark::kMicrosecond);

// A desktop without device keys: the walk finds nothing and writes nothing.
void BM_KeeperOnAndOffWithoutDeviceKeys(benchmark::State& state) {
    LoadRegistry(std::filesystem::temp_directory_path() / "sorna-bench-no-such-folder");
    NoDesktop desktop;
    PowerKeeper keeper(desktop);
    for (auto _ : state) {
        keeper.Switch(true);
        keeper.Switch(false);
    }
}
BENCHMARK(BM_KeeperOnAndOffWithoutDeviceKeys)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    return sorna::RunBenchmarksWithRatios(
        argc, argv,
        {{"keeper on+off / four hive writes", "BM_KeeperOnAndOff", "BM_FourHiveWrites"},
         {"four hive writes / keeper on+off without device keys", "BM_FourHiveWrites",
          "BM_KeeperOnAndOffWithoutDeviceKeys"}});
}
