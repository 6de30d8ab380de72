#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/HardwareKeyCodes.h"
#include "settings/Settings.h"

namespace sorna {

// Text of the keyboard dialog's button for slot `slot` (0 = the first) holding `keyCode`:
// "버튼1(0xc1)", the code in lower-case hexadecimal.
std::u16string KeySlotButtonText(int slot, int32_t keyCode);

// The entry of a slot's function list that a stored function selects: none for an index outside
// the key-function table, which only a hand-edited registry can hold.
std::optional<int> KeyFunctionEntry(int32_t function);

// The hardware codes the main window claims so that their releases reach it: every code held by
// a slot that carries a function of the table other than "사용안함", rising, each once.
std::vector<uint32_t> SlotKeysToClaim(const Settings& settings);

// All fifteen hardware codes, 0xC1-0xCF, which the key capture claims.
std::vector<uint32_t> AllHardwareKeys();

}  // namespace sorna
