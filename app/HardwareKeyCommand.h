#pragma once

#include <cstdint>
#include <optional>

#include "platform/HardwareKeyCodes.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"

namespace sorna {

// The command a released hardware button posts: the function of the first slot, in order 0..5,
// whose key code is the button's. No value for a code outside the hardware range, for a code no
// slot holds, and for a first matching slot whose stored function is not in KeyFunctionTable.
std::optional<CommandId> HardwareKeyCommand(uint32_t keyCode, const Settings& settings);

}  // namespace sorna
