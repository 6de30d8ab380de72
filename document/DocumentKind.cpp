#include "document/DocumentKind.h"

#include <unicode/uchar.h>

#include <string>

namespace sorna {
namespace {

// The name's part from its last full stop, lower-cased; empty when the name has no full stop.
std::u16string Extension(std::u16string_view path) {
    const size_t slash = path.find_last_of(u'/');
    const std::u16string_view name =
        slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of(u'.');
    std::u16string lower;
    for (const char16_t unit : name.substr(dot == std::u16string_view::npos ? name.size() : dot)) {
        lower.push_back(static_cast<char16_t>(u_tolower(unit)));
    }
    return lower;
}

bool StartsAsZip(std::span<const uint8_t> bytes) {
    return bytes.size() >= 4 && bytes[0] == 'P' && bytes[1] == 'K' && bytes[2] == 3 &&
           bytes[3] == 4;
}

}  // namespace

DocumentKind KindOfDocument(std::u16string_view path, std::span<const uint8_t> bytes) {
    const std::u16string extension = Extension(path);
    if (extension == u".html" || extension == u".htm") {
        return DocumentKind::Html;
    }
    if (extension == u".epub") {
        return DocumentKind::Book;
    }
    const bool namedText = extension == u".txt" || extension == u".cap";
    return !namedText && StartsAsZip(bytes) ? DocumentKind::Book : DocumentKind::Text;
}

}  // namespace sorna
