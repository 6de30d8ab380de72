#include "app/HardwareKeyCommand.h"

#include "resources/KeyFunctionTable.h"

namespace sorna {

std::optional<CommandId> HardwareKeyCommand(uint32_t keyCode, const Settings& settings) {
    if (!IsHardwareKeyCode(keyCode)) {
        return std::nullopt;
    }
    for (size_t slot = 0; slot < settings.keyCodes.size(); ++slot) {
        if (static_cast<uint32_t>(settings.keyCodes[slot]) != keyCode) {
            continue;
        }
        // Only the first matching slot acts; a function outside the table (only a hand-edited
        // registry stores one) does nothing.
        const int32_t function = settings.keyFunctions[slot];
        if (function < 0 || static_cast<size_t>(function) >= KeyFunctionTable.size()) {
            return std::nullopt;
        }
        return KeyFunctionTable[static_cast<size_t>(function)].command;
    }
    return std::nullopt;
}

}  // namespace sorna
