#pragma once

#include <string_view>

namespace sorna {

// The file-name part of a path: the text after its last "/". The first character is never taken
// as the separator, so a path without a "/" after its first character is returned whole.
std::u16string_view FileTitle(std::u16string_view path);

}  // namespace sorna
