#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorna {

// Value data as the registry stores it: DWORDs as 4 little-endian bytes, strings as UTF-16
// little-endian code units closed by a NUL.

std::vector<uint8_t> DwordData(uint32_t value);

// The DWORD held by exactly 4 bytes; nullopt for any other size.
std::optional<uint32_t> DwordOfData(std::span<const uint8_t> data);

std::vector<uint8_t> StringData(std::u16string_view text);

// The code units up to the first NUL, or all of them; a final odd byte is no code unit.
std::u16string TextOfData(std::span<const uint8_t> data);

// The text of data that holds exactly one NUL-terminated string and nothing else; nullopt
// otherwise (odd size, no terminator, a NUL inside).
std::optional<std::u16string> ExactTextOfData(std::span<const uint8_t> data);

}  // namespace sorna
