#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/Utf8Text.h"

namespace sorna {

// A fresh folder under the system's temporary folder for the life of one test, removed with
// everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorna-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a temporary folder";
        }
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Path(std::string_view name) const {
        return path_ / std::filesystem::u8path(name);
    }

    // Writes `bytes` to the named file in the folder; returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        const std::filesystem::path file = Path(name);
        std::ofstream(file, std::ios::binary).write(bytes.data(), bytes.size());
        return file;
    }

    static std::string ReadFile(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The program's form of a path: UTF-16.
    static std::u16string Wide(const std::filesystem::path& file) {
        return FromUtf8(file.string()).value_or(u"");
    }

private:
    std::filesystem::path path_;
};

}  // namespace sorna
