#include "settings/KeySlots.h"

#include <algorithm>

#include "resources/Format.h"
#include "resources/KeyFunctionTable.h"
#include "resources/SettingsStrings.h"

namespace sorna {

std::u16string KeySlotButtonText(int slot, int32_t keyCode) {
    // The code is shown as the unsigned value it is stored as.
    return FormatText(kKeySlotButtonPattern,
                      {int64_t{slot} + 1, int64_t{static_cast<uint32_t>(keyCode)}});
}

std::optional<int> KeyFunctionEntry(int32_t function) {
    if (function < 0 || static_cast<size_t>(function) >= KeyFunctionTable.size()) {
        return std::nullopt;
    }
    return function;
}

std::vector<uint32_t> SlotKeysToClaim(const Settings& settings) {
    std::vector<uint32_t> codes;
    for (int slot = 0; slot < kKeySlotCount; ++slot) {
        const auto code = static_cast<uint32_t>(settings.keyCodes[slot]);
        const int function = KeyFunctionEntry(settings.keyFunctions[slot]).value_or(0);
        if (function != 0 && IsHardwareKeyCode(code)) {
            codes.push_back(code);
        }
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

std::vector<uint32_t> AllHardwareKeys() {
    std::vector<uint32_t> codes;
    for (uint32_t code = kFirstHardwareKey; code <= kLastHardwareKey; ++code) {
        codes.push_back(code);
    }
    return codes;
}

}  // namespace sorna
