#include "document/TagBreak.h"

#include <unicode/uchar.h>

namespace sorna {

std::u16string_view TrimTag(std::u16string_view tag) {
    while (!tag.empty() && u_isspace(tag.front())) {
        tag.remove_prefix(1);
    }
    while (!tag.empty() && u_isspace(tag.back())) {
        tag.remove_suffix(1);
    }
    return tag;
}

bool StartsWithLower(std::u16string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (u_tolower(text[i]) != static_cast<UChar32>(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::u16string_view TagBreak(std::u16string_view tag) {
    const std::u16string_view name = TrimTag(tag);
    if (StartsWithLower(name, "br")) {
        return u"\n";
    }
    if ((name.size() == 1 && StartsWithLower(name, "p")) || StartsWithLower(name, "p ")) {
        return u"\n\n";
    }
    if (StartsWithLower(name, "/tr")) {
        return u"\n";
    }
    if (StartsWithLower(name, "pre")) {
        return u"\n\n";
    }
    return {};
}

}  // namespace sorna
