#include "platform/FileAttributes.h"

#include <sys/stat.h>

#include "platform/NativePath.h"

namespace sorna {

std::optional<FileAttributes> QueryFileAttributes(std::u16string_view path) {
    const auto native = NativePath(path);
    struct stat status {};
    if (!native || stat(native->c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileAttributes{.isDirectory = S_ISDIR(status.st_mode)};
}

}  // namespace sorna
