#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The real documents, written by other people, that tests, benchmarks and fuzzers read. The
// SORNA_CORPUS_DIR cache entry names their folder (corpus/ unless told otherwise). A missing
// document stops its caller at once and says what is missing, rather than letting a test go on
// with an empty file.
namespace sorna::corpus {

[[noreturn]] inline void Missing(const std::filesystem::path& what) {
    throw std::runtime_error("missing test document " + what.string() +
                             " (the SORNA_CORPUS_DIR cache entry names their folder)");
}

inline std::filesystem::path File(std::string_view name) {
    std::filesystem::path path = std::filesystem::path(SORNA_CORPUS_DIR) / name;
    if (!std::filesystem::is_regular_file(path)) {
        Missing(path);
    }
    return path;
}

inline std::string Bytes(std::string_view name) {
    std::ifstream in(File(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A document's bytes over and over, whole, until they are at least `size` long: a long book of
// real text.
inline std::string Repeated(std::string_view name, size_t size) {
    const std::string once = Bytes(name);
    std::string bytes;
    while (bytes.size() < size) {
        bytes += once;
    }
    return bytes;
}

// Every document of the folder, in name order: neither its notes on sources nor hidden files such
// as git's attributes.
inline std::vector<std::filesystem::path> Documents() {
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SORNA_CORPUS_DIR, error)) {
        if (entry.path().extension() != ".md" &&
            !entry.path().filename().string().starts_with('.')) {
            files.push_back(entry.path());
        }
    }
    if (files.empty()) {
        Missing(SORNA_CORPUS_DIR);
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace sorna::corpus
