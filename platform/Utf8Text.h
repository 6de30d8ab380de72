#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorna {

// Whether text can stand literally between quotes on one line of a UTF-8 text file, as the
// registry files write it: no line break or other control character except tab, and no lone
// surrogate, which UTF-8 cannot carry.
[[nodiscard]] bool IsLiteralText(std::u16string_view text);

// UTF-8 form of text that IsLiteralText accepts.
std::string ToUtf8(std::u16string_view text);

// UTF-8 form of any text, each lone surrogate written as U+FFFD and counted in replaced.
std::string ToUtf8Replacing(std::u16string_view text, int32_t& replaced);

// UTF-16 form of UTF-8 text; nullopt when the bytes are not well-formed UTF-8.
std::optional<std::u16string> FromUtf8(std::string_view text);

}  // namespace sorna
