#include "document/BookPath.h"

#include <cstdint>
#include <vector>

#include "platform/Utf8Text.h"

namespace sorna {
namespace {

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

// "%41" becomes "A"; a "%" without two hexadecimal digits stays as it is.
std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (size_t at = 0; at < text.size(); ++at) {
        const int high = at + 2 < text.size() && text[at] == '%' ? HexValue(text[at + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[at + 2]) : -1;
        if (low >= 0) {
            decoded.push_back(static_cast<char>(high * 16 + low));
            at += 2;
        } else {
            decoded.push_back(text[at]);
        }
    }
    return decoded;
}

bool NamesScheme(std::string_view path) {
    const size_t colon = path.find(':');
    return colon != std::string_view::npos && path.find('/') > colon;
}

// The folder steps of `from` followed by those of `path`, or none when ".." leaves the root.
std::optional<std::string> Joined(std::string_view from, std::string_view path) {
    std::vector<std::string_view> steps;
    const size_t slash = from.rfind('/');
    const std::string_view folder = from.substr(0, slash == std::string_view::npos ? 0 : slash + 1);
    const std::string whole = std::string(folder) + std::string(path);
    std::string_view rest = whole;
    while (!rest.empty()) {
        const size_t end = rest.find('/');
        const std::string_view step = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (step == "..") {
            if (steps.empty()) {
                return std::nullopt;
            }
            steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
    }
    std::string joined;
    for (const std::string_view step : steps) {
        joined += joined.empty() ? "" : "/";
        joined += step;
    }
    return joined;
}

}  // namespace

std::optional<BookTarget> ResolveBookLink(std::string_view from, std::u16string_view href) {
    int32_t replaced = 0;
    const std::string link = ToUtf8Replacing(href, replaced);
    const std::string path = PercentDecoded(std::string_view(link).substr(0, link.find('#')));
    if (path.starts_with('/') || path.starts_with('\\') || NamesScheme(path)) {
        return std::nullopt;
    }
    std::optional<std::string> entry =
        path.empty() ? std::optional<std::string>(from) : Joined(from, path);
    if (!entry) {
        return std::nullopt;
    }
    const size_t mark = href.find(u'#');
    std::u16string fragment(mark == std::u16string_view::npos ? u"" : href.substr(mark + 1));
    return BookTarget{std::move(*entry), std::move(fragment)};
}

}  // namespace sorna
