#pragma once

#include "settings/Settings.h"

namespace sorna {

// The process-wide settings: built and loaded from the registry during static initialisation,
// before main runs, and destroyed at exit without saving.
Settings& AppSettings();

}  // namespace sorna
