#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Registry.h"

namespace sorna {

// A fresh folder under the system's temporary folder that the registry reads its roots from, for
// the life of one test; removed with everything in it afterwards.
class RegistryTestFolder {
public:
    RegistryTestFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorna-reg-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a temporary folder";
        }
        path_ = pattern;
        LoadRegistry(path_);
    }
    ~RegistryTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    RegistryTestFolder(const RegistryTestFolder&) = delete;
    RegistryTestFolder& operator=(const RegistryTestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path UserFile() const { return path_ / "user.reg"; }

    // Writes a file by hand, as a person with an editor would, and loads the roots anew.
    void WriteUserFile(const std::string& text) const {
        std::ofstream(UserFile(), std::ios::binary) << text;
        LoadRegistry(path_);
    }

    static std::string ReadFile(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

}  // namespace sorna
