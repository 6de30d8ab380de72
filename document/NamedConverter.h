#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sorna {

// ICU's own name of the converter that `alias` names ("euc-kr", "latin1", ...), so that two
// aliases of one encoding compare equal; empty when ICU has no such converter.
std::string ConverterName(std::string_view alias);

// Decodes bytes through ICU's converter `name` (which must exist), U+FFFD for what is no
// character. Writes at most out.size() units and returns how many it wrote; no encoding ICU
// has gives more units than bytes.
size_t DecodeWithConverter(std::string_view name, std::span<const uint8_t> bytes,
                           std::span<char16_t> out);

// Where a count of units ends in bytes decoded by `name`, "Johab" or a converter of ICU's.
struct UnitsAndBytes {
    size_t units = 0;
    size_t bytes = 0;
};

// Decodes from the start until `units` are written or the bytes end, and tells where it stopped.
UnitsAndBytes WalkUnits(std::string_view name, std::span<const uint8_t> bytes, size_t units);

}  // namespace sorna
