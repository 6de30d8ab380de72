#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry/Registry.h"

namespace sorna {

// One value each, opening and closing the key for every call. Failures are silent beyond the
// returned flag.

// What a read of a number found: the number, nothing, or a value of another size.
enum class DwordRead { Read, Missing, NoDword };

// Stores defaultValue in field, then the value if it holds exactly 4 bytes (of any type). The
// reads leave a usable field either way.
DwordRead ReadDwordValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                         uint32_t& field, uint32_t defaultValue);
DwordRead ReadDwordValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                         int32_t& field, int32_t defaultValue);
// A flag, set by any number but 0.
DwordRead ReadDwordValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                         bool& field, bool defaultValue);

// Assigns the value's text up to its first NUL; leaves text alone when the key or the value is
// missing or the value holds no bytes.
bool ReadStringValue(RegistryRoot root, std::u16string_view subkey, std::u16string_view name,
                     std::u16string& text);

// Set the value, creating the key when it does not exist yet.
[[nodiscard]] bool WriteDwordValue(RegistryRoot root, std::u16string_view subkey,
                                   std::u16string_view name, uint32_t value);
[[nodiscard]] bool WriteStringValue(RegistryRoot root, std::u16string_view subkey,
                                    std::u16string_view name, std::u16string_view text);
// Removes the value; true when the key holds no such value afterwards.
[[nodiscard]] bool DeleteValue(RegistryRoot root, std::u16string_view subkey,
                               std::u16string_view name);

}  // namespace sorna
