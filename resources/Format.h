#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace sorna {

using FormatArg = std::variant<std::u16string_view, int64_t, double>;

// printf-style formatting of UTF-16 text for the program's own message patterns.
// Conversions: %s (text), %d and %x (integers, optional zero-padded width as in %02d),
// %.Nf (floating point), %% (a percent sign). A conversion without a matching argument, or with
// an argument of another kind, is copied as it stands, so a bad pattern never reads past the list.
std::u16string FormatText(std::u16string_view pattern, std::initializer_list<FormatArg> args);

// A whole number with its thousands parted by commas: "4,567", "-1,000".
std::u16string GroupedNumber(int64_t number);

// ASCII text widened code unit for code unit.
std::u16string Widen(std::string_view ascii);
// Text that should be ASCII narrowed code unit for code unit; any other unit becomes "?".
std::string Narrow(std::u16string_view ascii);

}  // namespace sorna
