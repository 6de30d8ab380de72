#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/Registry.h"

namespace sorna {

// The name of list entry n: the prefix and n in decimal with at least two digits (RFNAME00,
// RFNAME10, RFNAME100).
std::u16string NumberedValueName(std::u16string_view prefix, int32_t n);

// The name of hardware-key slot n: the prefix and one digit (KeyCode0).
std::u16string SlotValueName(std::u16string_view prefix, int32_t n);

// The numbers n below count, in increasing order, for which the key holds a value named
// NumberedValueName(prefix, n). Found from the values actually stored, so a count edited to
// 2147483647 costs no more than the stored entries.
std::vector<int32_t> StoredNumbers(RegistryRoot root, std::u16string_view subkey,
                                   std::u16string_view prefix, int32_t count);

// Whether name is NumberedValueName(prefix, n), letter case aside, for one of the prefixes and an
// n from `from` on. Names that only look alike ("RFNAME5", "RFNAME007") are not.
[[nodiscard]] bool NamesEntryFrom(std::u16string_view name,
                                  std::span<const std::u16string_view> prefixes, size_t from);

// Deletes the values that NamesEntryFrom names: the entries a list no longer holds.
void DeleteNumberedValues(RegistryRoot root, std::u16string_view subkey,
                          std::span<const std::u16string_view> prefixes, size_t from);

}  // namespace sorna
