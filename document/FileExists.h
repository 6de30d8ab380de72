#pragma once

#include <string_view>

namespace sorna {

// True when the path names something that is not a directory.
[[nodiscard]] bool FileExists(std::u16string_view path);

}  // namespace sorna
