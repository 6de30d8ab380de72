#pragma once

#include <optional>
#include <string_view>

namespace sorna {

struct FileAttributes {
    bool isDirectory = false;
};

// Attributes of the file or folder a path names (links followed); none when there is nothing
// there or it cannot be examined.
std::optional<FileAttributes> QueryFileAttributes(std::u16string_view path);

}  // namespace sorna
