#pragma once

#include <string_view>

#include "platform/registry/Registry.h"
#include "tests/support/TempFolder.h"

namespace sorna {

// A temporary folder that the registry reads its roots from, for the life of one test.
class RegistryTestFolder : public TempFolder {
public:
    RegistryTestFolder() { LoadRegistry(Path()); }

    std::filesystem::path UserFile() const { return Path("user.reg"); }

    // Writes a file by hand, as a person with an editor would, and loads the roots anew.
    void WriteUserFile(std::string_view text) const {
        Write("user.reg", text);
        LoadRegistry(Path());
    }
};

}  // namespace sorna
