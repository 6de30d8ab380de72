#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sorna::test {

// The documents of the shared corpus of real-world texts.
std::vector<std::filesystem::path> CorpusFiles();

// A corpus file as text: UTF-8, UTF-16 and UTF-32 files by the encoding their name gives, all
// others as Korean code page 949. Empty when the file cannot be read.
std::u16string DecodeCorpusFile(const std::filesystem::path& path);

}  // namespace sorna::test
