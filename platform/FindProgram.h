#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorna {

// The file a configured program path runs, as the file system names it: an absolute path to an
// executable regular file, or a bare name found in an absolute folder of `searchPath` (the
// colon-separated form of PATH). Nothing from the working folder: a relative path with a folder
// in it, and empty or relative entries of the search path, find none.
std::optional<std::string> FindProgram(std::u16string_view path, std::string_view searchPath);

}  // namespace sorna
