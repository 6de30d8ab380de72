#include <charconv>
#include <optional>
#include <vector>

#include "platform/Utf8Text.h"
#include "platform/registry/RegistryData.h"
#include "platform/registry/RegistryFormat.h"
#include "platform/registry/RegistryName.h"

namespace sorna {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// The registry editor of Windows exports UTF-16LE text with this mark.
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

// The UTF-8 form of UTF-16LE bytes. A unit that is no character (a lone surrogate, a final odd
// byte) is replaced or dropped, and exact turns false.
std::string Utf8OfUtf16(std::string_view bytes, bool& exact) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                         static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    }
    int32_t replaced = 0;
    std::string text = ToUtf8Replacing(units, replaced);
    exact = replaced == 0 && bytes.size() % 2 == 0;
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != prefix[i]) {
            return false;
        }
    }
    return true;
}

std::optional<uint32_t> ParseHexNumber(std::string_view digits, size_t maxDigits) {
    uint32_t number = 0;
    if (digits.empty() || digits.size() > maxDigits) {
        return std::nullopt;
    }
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view list) {
    std::vector<uint8_t> bytes;
    list = TrimBlanks(list);
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string_view::npos) {
            end = list.size();
        } else if (end + 1 == list.size()) {
            return std::nullopt;  // a trailing comma promises one more byte
        }
        const auto byte = ParseHexNumber(TrimBlanks(list.substr(start, end - start)), 2);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<uint8_t>(*byte));
        start = end + 1;
    }
    return bytes;
}

bool IsHexContinuation(std::string_view line) {
    line = TrimBlanks(line);
    return !line.empty() &&
           line.find_first_not_of("0123456789abcdefABCDEF, \t\\") == std::string_view::npos;
}

struct QuotedText {
    std::u16string text;
    std::string_view rest;  // what follows the closing quote
};

// A quoted name or string with its \\ and \" escapes; nullopt when it is not closed, uses another
// escape, is not UTF-8 or holds what a literal may not.
std::optional<QuotedText> ParseQuoted(std::string_view line) {
    std::string bytes;
    for (size_t i = 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            auto text = FromUtf8(bytes);
            if (!text || !IsLiteralText(*text)) {
                return std::nullopt;
            }
            return QuotedText{std::move(*text), line.substr(i + 1)};
        }
        if (c == '\\') {
            if (i + 1 == line.size() || (line[i + 1] != '\\' && line[i + 1] != '"')) {
                return std::nullopt;
            }
            c = line[++i];
        }
        bytes.push_back(c);
    }
    return std::nullopt;
}

class Parser {
public:
    Parser(std::string_view text, RegistryKeyNode& root, const RegistryValueFilter& unwanted)
        : lines_(SplitLines(text)), root_(root), unwanted_(unwanted) {}

    bool Run() {
        bool clean = true;
        bool headerSeen = false;
        while (next_ < lines_.size()) {
            const std::string_view line = TrimBlanks(lines_[next_++]);
            if (line.empty() || line.front() == ';') {
                continue;
            }
            if (!headerSeen) {
                headerSeen = true;
                if (line == kRegistryFileHeader) {
                    continue;
                }
                clean = false;
            }
            if (!ParseLine(line)) {
                clean = false;
            }
        }
        return clean;
    }

private:
    bool ParseLine(std::string_view line) {
        if (line.front() == '[') {
            return ParseSection(line);
        }
        if (line.front() == '"' || line.front() == '@') {
            return ParseValue(line);
        }
        return false;
    }

    bool ParseSection(std::string_view line) {
        section_ = nullptr;
        if (line.size() < 2 || line.back() != ']') {
            return false;
        }
        const auto path = FromUtf8(line.substr(1, line.size() - 2));
        if (!path) {
            return false;
        }
        const std::vector<std::u16string> names = SplitKeyPath(*path);
        if (names.empty() || FoldRegistryName(names.front()) != FoldRegistryName(root_.Name())) {
            return false;
        }
        const std::span<const std::u16string> keyPath = std::span(names).subspan(1);
        if (!IsStorableKeyPath(keyPath)) {
            return false;
        }
        section_ = &root_.CreatePath(keyPath);
        sectionPath_.assign(keyPath.begin(), keyPath.end());
        return true;
    }

    bool ParseValue(std::string_view line) {
        std::u16string name;
        std::string_view rest = line.substr(1);
        if (line.front() == '"') {
            auto quoted = ParseQuoted(line);
            if (!quoted) {
                return false;
            }
            name = std::move(quoted->text);
            rest = quoted->rest;
        }
        rest = TrimBlanks(rest);
        if (section_ == nullptr || rest.empty() || rest.front() != '=') {
            return false;
        }
        if (unwanted_ && unwanted_(sectionPath_, name)) {
            SkipContinuations(line);
            return true;
        }
        auto value = ParseData(TrimBlanks(rest.substr(1)));
        if (!value) {
            return false;
        }
        section_->SetValue(name, std::move(*value));
        return true;
    }

    // The lines an unwanted value's byte list goes on in, passed over as unread as its first.
    void SkipContinuations(std::string_view line) {
        while (line.ends_with('\\') && next_ < lines_.size() && IsHexContinuation(lines_[next_])) {
            line = TrimBlanks(lines_[next_++]);
        }
    }

    std::optional<RegistryValue> ParseData(std::string_view data) {
        if (!data.empty() && data.front() == '"') {
            const auto quoted = ParseQuoted(data);
            if (!quoted || !TrimBlanks(quoted->rest).empty()) {
                return std::nullopt;
            }
            return RegistryValue{REG_SZ, StringData(quoted->text)};
        }
        if (StartsWithNoCase(data, "dword:")) {
            const auto number = ParseHexNumber(data.substr(6), 8);
            if (!number) {
                return std::nullopt;
            }
            return RegistryValue{REG_DWORD, DwordData(*number)};
        }
        if (StartsWithNoCase(data, "hex")) {
            return ParseHexData(data.substr(3));
        }
        return std::nullopt;
    }

    // After "hex": an optional "(type)", a colon and the bytes, possibly over several lines.
    std::optional<RegistryValue> ParseHexData(std::string_view rest) {
        RegistryType type = REG_BINARY;
        if (!rest.empty() && rest.front() == '(') {
            const size_t close = rest.find(')');
            const auto number = ParseHexNumber(rest.substr(1, close - 1), 8);
            if (close == std::string_view::npos || !number) {
                return std::nullopt;
            }
            type = *number;
            rest = rest.substr(close + 1);
        }
        if (rest.empty() || rest.front() != ':') {
            return std::nullopt;
        }
        const auto list = JoinContinuations(rest.substr(1));
        if (!list) {
            return std::nullopt;
        }
        auto bytes = ParseHexBytes(*list);
        if (!bytes) {
            return std::nullopt;
        }
        return RegistryValue{type, std::move(*bytes)};
    }

    // A byte list whose line ends in a backslash goes on in the next line. A next line that is
    // no byte list is left to be read on its own, and the value fails.
    std::optional<std::string> JoinContinuations(std::string_view first) {
        std::string list(TrimBlanks(first));
        while (!list.empty() && list.back() == '\\') {
            list.pop_back();
            if (next_ == lines_.size() || !IsHexContinuation(lines_[next_])) {
                return std::nullopt;
            }
            list += TrimBlanks(lines_[next_++]);
        }
        return list;
    }

    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    RegistryKeyNode& root_;
    const RegistryValueFilter& unwanted_;
    RegistryKeyNode* section_ = nullptr;
    std::vector<std::u16string> sectionPath_;  // below the root
};

}  // namespace

bool ParseRegistryText(std::string_view text, RegistryKeyNode& root,
                       const RegistryValueFilter& unwanted) {
    if (text.starts_with(kUtf16Mark)) {
        bool exact = false;
        const std::string utf8 = Utf8OfUtf16(text.substr(kUtf16Mark.size()), exact);
        return Parser(utf8, root, unwanted).Run() && exact;
    }
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    return Parser(text, root, unwanted).Run();
}

}  // namespace sorna
