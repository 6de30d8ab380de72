#include "platform/FileSystem.h"

#include <sys/stat.h>

#include "platform/Utf8Text.h"

namespace sorna {

std::optional<std::string> NativePath(std::u16string_view path) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        return std::nullopt;
    }
    std::string bytes = ToUtf8(path);
    if (bytes.empty()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<FileAttributes> QueryFileAttributes(std::u16string_view path) {
    const auto native = NativePath(path);
    struct stat status {};
    if (!native || stat(native->c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileAttributes{.isDirectory = S_ISDIR(status.st_mode)};
}

bool FileExists(std::u16string_view path) {
    const auto attributes = QueryFileAttributes(path);
    return attributes && !attributes->isDirectory;
}

}  // namespace sorna
