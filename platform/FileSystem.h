#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorna {

// The file system's form of one of the program's paths: its UTF-8 bytes. None for text that can
// name no file: an empty path, one holding a NUL (the system would read a shorter path) or a lone
// surrogate (which has no UTF-8 form).
std::optional<std::string> NativePath(std::u16string_view path);

struct FileAttributes {
    bool isDirectory = false;
};

// Attributes of the file or folder a path names (links followed); none when there is nothing
// there or it cannot be examined.
std::optional<FileAttributes> QueryFileAttributes(std::u16string_view path);

// True when the path names something that is not a directory.
[[nodiscard]] bool FileExists(std::u16string_view path);

}  // namespace sorna
