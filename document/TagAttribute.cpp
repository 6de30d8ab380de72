#include "document/TagAttribute.h"

#include <string>

#include "document/TagBreak.h"

namespace sorna {
namespace {

bool IsMarkupSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

// Where the attribute's value begins when `name` stands at `at` followed by "=".
std::optional<size_t> ValueStart(std::u16string_view tag, size_t at, std::string_view name) {
    if (at == 0 || !IsMarkupSpace(tag[at - 1]) || !StartsWithLower(tag.substr(at), name)) {
        return std::nullopt;
    }
    size_t next = at + name.size();
    while (next < tag.size() && IsMarkupSpace(tag[next])) {
        ++next;
    }
    if (next == tag.size() || tag[next] != u'=') {
        return std::nullopt;
    }
    ++next;
    while (next < tag.size() && IsMarkupSpace(tag[next])) {
        ++next;
    }
    return next;
}

std::u16string_view ValueAt(std::u16string_view tag, size_t start) {
    if (start < tag.size() && (tag[start] == u'"' || tag[start] == u'\'')) {
        const size_t close = tag.find(tag[start], start + 1);
        const size_t end = close == std::u16string_view::npos ? tag.size() : close;
        return tag.substr(start + 1, end - start - 1);
    }
    size_t end = start;
    while (end < tag.size() && !IsMarkupSpace(tag[end]) && tag[end] != u'/') {
        ++end;
    }
    return tag.substr(start, end - start);
}

}  // namespace

std::optional<std::u16string_view> TagAttribute(std::u16string_view tag, std::string_view name) {
    std::string lower(name);
    for (char& letter : lower) {
        letter = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter + ('a' - 'A')) : letter;
    }
    char16_t quote = 0;
    for (size_t at = 0; at < tag.size(); ++at) {
        if (quote != 0) {
            quote = tag[at] == quote ? 0 : quote;
        } else if (tag[at] == u'"' || tag[at] == u'\'') {
            quote = tag[at];
        } else if (const std::optional<size_t> start = ValueStart(tag, at, lower)) {
            return ValueAt(tag, *start);
        }
    }
    return std::nullopt;
}

std::u16string_view TagName(std::u16string_view tag) {
    tag = TrimTag(tag);
    if (IsEndTag(tag)) {
        tag.remove_prefix(1);
    }
    size_t end = 0;
    while (end < tag.size() && !IsMarkupSpace(tag[end]) && tag[end] != u'/') {
        ++end;
    }
    const std::u16string_view name = tag.substr(0, end);
    const size_t colon = name.find(u':');
    return colon == std::u16string_view::npos ? name : name.substr(colon + 1);
}

bool IsEndTag(std::u16string_view tag) {
    tag = TrimTag(tag);
    return !tag.empty() && tag.front() == u'/';
}

}  // namespace sorna
