#pragma once

#include <string>
#include <string_view>

namespace sorna {

// The about box's date line: the build date as the compiler spells it (a three-letter month,
// the day padded to two places with a blank, the year: "Apr 16 2006"), in parentheses with one
// blank inside each.
std::u16string AboutDateText(std::string_view buildDate);

}  // namespace sorna
