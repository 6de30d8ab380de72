#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/registry/Registry.h"

namespace sorna {
namespace {

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return (user != nullptr && user->pw_dir != nullptr) ? user->pw_dir : "/";
}

}  // namespace

std::filesystem::path DefaultRegistryFolder() {
    // Relative values of XDG_CONFIG_HOME are invalid and ignored, as the base-directory rules ask.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path base = (config != nullptr && config[0] == '/')
                                           ? std::filesystem::path(config)
                                           : HomeFolder() / ".config";
    return base / "sorna";
}

}  // namespace sorna
