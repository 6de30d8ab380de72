#include "platform/FindProgram.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace sorna {
namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> SearchFolders(const std::string& name, std::string_view searchPath) {
    while (!searchPath.empty()) {
        const size_t colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        searchPath = colon == std::string_view::npos ? "" : searchPath.substr(colon + 1);
        if (folder.starts_with('/')) {
            std::string candidate = std::string(folder) + '/' + name;
            if (IsExecutableFile(candidate)) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindProgram(std::u16string_view path, std::string_view searchPath) {
    std::optional<std::string> native = NativePath(path);
    if (!native) {
        return std::nullopt;
    }
    if (native->starts_with('/')) {
        return IsExecutableFile(*native) ? native : std::nullopt;
    }
    if (native->find('/') != std::string::npos) {
        return std::nullopt;
    }
    return SearchFolders(*native, searchPath);
}

}  // namespace sorna
