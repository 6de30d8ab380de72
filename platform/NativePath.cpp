#include "platform/NativePath.h"

#include "platform/registry/RegistryText.h"

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

}  // namespace sorna
