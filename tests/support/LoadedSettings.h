#pragma once

#include "settings/Settings.h"

namespace sorna {

// Settings as a start of the program would find them in the registry.
inline Settings LoadedSettings() {
    Settings settings;
    settings.LoadSettings();
    return settings;
}

}  // namespace sorna
