#include "CorpusText.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

namespace sorna::test {
namespace {

const char* EncodingOf(const std::string& name) {
    if (name.find("utf8") != std::string::npos) {
        return "UTF-8";
    }
    if (name.find("utf16be") != std::string::npos) {
        return "UTF-16BE";
    }
    if (name.find("utf16le") != std::string::npos) {
        return "UTF-16LE";
    }
    if (name.find("utf32be") != std::string::npos) {
        return "UTF-32BE";
    }
    return "windows-949";
}

}  // namespace

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SORNA_CORPUS_DIR)) {
        if (entry.is_regular_file() && entry.path().extension() != ".md") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::u16string DecodeCorpusFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(
        ucnv_open(EncodingOf(path.filename().string()), &status), &ucnv_close);
    if (U_FAILURE(status) || bytes.empty()) {
        return {};
    }
    std::u16string text(bytes.size() + 2, u'\0');
    const int32_t length = ucnv_toUChars(converter.get(), text.data(), int32_t(text.size()),
                                         bytes.data(), int32_t(bytes.size()), &status);
    text.resize(U_SUCCESS(status) ? size_t(length) : 0);
    return text;
}

}  // namespace sorna::test
