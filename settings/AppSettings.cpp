#include "settings/AppSettings.h"

namespace sorna {
namespace {

Settings LoadedSettings() {
    Settings settings;
    settings.LoadSettings();
    return settings;
}

// Makes the first use happen during static initialisation, so the settings exist before main.
[[maybe_unused]] Settings& builtBeforeMain = AppSettings();

}  // namespace

Settings& AppSettings() {
    // Built on first use, so no other static object can reach it before it exists.
    static Settings settings = LoadedSettings();
    return settings;
}

}  // namespace sorna
