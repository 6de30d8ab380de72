#include "document/FileExists.h"

#include "platform/FileAttributes.h"

namespace sorna {

bool FileExists(std::u16string_view path) {
    const auto attributes = QueryFileAttributes(path);
    return attributes && !attributes->isDirectory;
}

}  // namespace sorna
