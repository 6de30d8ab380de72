#pragma once

#include "platform/registry/Registry.h"
#include "settings/Settings.h"

namespace sorna {

// Settings as a start of the program would find them in the registry.
inline Settings LoadedSettings() {
    Settings settings;
    settings.LoadSettings();
    return settings;
}

// The settings key as it is now; a missing key throws, which fails the test.
inline RegistryKey SettingsKey() {
    return RegistryKey::Open(HKEY_CURRENT_USER, u"SOFTWARE\\QARVEN\\SORNA", RegistryAccess::Read)
        .value();
}

}  // namespace sorna
