#include "document/TagBreak.h"

#include <unicode/uchar.h>

namespace sorna {
namespace {

// ICU's answers, with ASCII (nearly every tag) settled without a call.
bool IsSpace(char16_t unit) {
    if (unit < 0x80) {
        return unit == ' ' || (unit >= 0x09 && unit <= 0x0D) || (unit >= 0x1C && unit <= 0x1F);
    }
    return u_isspace(unit);
}

UChar32 ToLower(char16_t unit) {
    if (unit < 0x80) {
        return unit >= 'A' && unit <= 'Z' ? unit + ('a' - 'A') : unit;
    }
    return u_tolower(unit);
}

}  // namespace

std::u16string_view TrimTag(std::u16string_view tag) {
    while (!tag.empty() && IsSpace(tag.front())) {
        tag.remove_prefix(1);
    }
    while (!tag.empty() && IsSpace(tag.back())) {
        tag.remove_suffix(1);
    }
    return tag;
}

bool StartsWithLower(std::u16string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (ToLower(text[i]) != static_cast<UChar32>(prefix[i])) {
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
