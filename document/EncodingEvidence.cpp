#include "document/EncodingEvidence.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace sorna {
namespace {

constexpr size_t kEvidenceBytes = size_t{64} << 10;
constexpr size_t kDeclarationBytes = 1024;
constexpr std::array<uint8_t, 4> kIso2022KrDesignator = {0x1B, '$', ')', 'C'};
constexpr std::array<uint8_t, 4> kUtf32BigEndianMark = {0x00, 0x00, 0xFE, 0xFF};
constexpr std::array<uint8_t, 4> kUtf32LittleEndianMark = {0xFF, 0xFE, 0x00, 0x00};

std::string Lowered(std::span<const uint8_t> bytes) {
    std::string lower(bytes.begin(), bytes.end());
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

bool IsNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' ||
           c == ':';
}

// The name after "charset", its "=" and any quote, inside the tag that starts at `tag`.
std::string CharsetInTag(std::string_view lower, std::string_view original, size_t tag) {
    const std::string_view inside = lower.substr(tag, lower.find('>', tag) - tag);
    const size_t charset = inside.find("charset");
    if (charset == std::string_view::npos) {
        return {};
    }
    size_t at = inside.find_first_not_of(" \t\r\n", charset + 7);
    if (at == std::string_view::npos || inside[at] != '=') {
        return {};
    }
    at = inside.find_first_not_of(" \t\r\n\"'", at + 1);
    size_t end = at;
    while (end < inside.size() && IsNameCharacter(inside[end])) {
        ++end;
    }
    return at == std::string_view::npos ? std::string()
                                        : std::string(original.substr(tag + at, end - at));
}

}  // namespace

std::optional<TextEncoding> Utf16ByZeroBytes(std::span<const uint8_t> bytes) {
    const std::span<const uint8_t> start = bytes.first(std::min(bytes.size(), kEvidenceBytes));
    size_t zeros[2] = {0, 0};
    for (size_t i = 0; i + 1 < start.size(); i += 2) {
        zeros[0] += start[i] == 0;
        zeros[1] += start[i + 1] == 0;
    }
    const size_t pairs = start.size() / 2;
    const auto outweighs = [pairs](size_t side, size_t other) {
        return side > 0 && side >= 4 * other && side * 100 >= pairs;
    };
    if (outweighs(zeros[1], zeros[0])) {
        return TextEncoding::Utf16Le;
    }
    if (outweighs(zeros[0], zeros[1])) {
        return TextEncoding::Utf16Be;
    }
    return std::nullopt;
}

std::string_view Utf32ByMark(std::span<const uint8_t> bytes) {
    const auto startsWith = [bytes](const std::array<uint8_t, 4>& mark) {
        return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
    };
    if (startsWith(kUtf32BigEndianMark)) {
        return "UTF-32BE";
    }
    return startsWith(kUtf32LittleEndianMark) ? "UTF-32LE" : "";
}

bool HasIso2022KrDesignator(std::span<const uint8_t> bytes) {
    const std::span<const uint8_t> start = bytes.first(std::min(bytes.size(), kEvidenceBytes));
    return std::search(start.begin(), start.end(), kIso2022KrDesignator.begin(),
                       kIso2022KrDesignator.end()) != start.end();
}

std::string DeclaredCharset(std::span<const uint8_t> bytes) {
    const std::span<const uint8_t> head = bytes.first(std::min(bytes.size(), kDeclarationBytes));
    const std::string original(head.begin(), head.end());
    const std::string lower = Lowered(head);
    for (size_t tag = lower.find("<meta"); tag != std::string::npos;
         tag = lower.find("<meta", tag + 1)) {
        if (std::string charset = CharsetInTag(lower, original, tag); !charset.empty()) {
            return charset;
        }
    }
    return {};
}

}  // namespace sorna
