#include "document/HtmlEntities.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace sorna {
namespace {

struct NamedReference {
    std::u16string_view name;
    std::u16string_view text;
};

// The order matters: "&amp;" first, so that what it yields takes part in the later passes.
constexpr std::array<NamedReference, 9> kNamedReferences = {{
    {u"&amp;", u"&"},
    {u"&gt;", u">"},
    {u"&lt;", u"<"},
    {u"&quot;", u"\""},
    {u"&apos;", u"'"},
    {u"&nbsp;", u" "},
    {u"&copy;", u"(C)"},
    {u"&middot;", u"\u00B7"},
    {u"&#149;", u"\u00B7"},
}};

// Values beyond this saturate, as a 32-bit string-to-long conversion does.
constexpr int64_t kLargestValue = INT32_MAX;

size_t ReplaceAll(std::span<char16_t> chunk, const NamedReference& reference) {
    const std::u16string_view text(chunk.data(), chunk.size());
    size_t read = 0;
    size_t write = 0;
    while (read < text.size()) {
        if (text[read] == u'&' && text.substr(read).starts_with(reference.name)) {
            // The replacement is never longer than the name, so it lands on consumed units.
            write = std::copy(reference.text.begin(), reference.text.end(), chunk.begin() + write) -
                    chunk.begin();
            read += reference.name.size();
        } else {
            chunk[write++] = text[read++];
        }
    }
    return write;
}

bool Contains(std::span<const char16_t> chunk, char16_t unit) {
    return std::find(chunk.begin(), chunk.end(), unit) != chunk.end();
}

bool IsDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

}  // namespace

size_t DecodeEntities(std::span<char16_t> chunk) {
    // Most chunks hold neither, and are left as they are after one look.
    const auto special = [](char16_t unit) { return unit == u'\r' || unit == u'&'; };
    if (std::none_of(chunk.begin(), chunk.end(), special)) {
        return chunk.size();
    }
    size_t length = std::remove(chunk.begin(), chunk.end(), u'\r') - chunk.begin();
    if (!Contains(chunk.first(length), u'&')) {
        return length;
    }
    for (const NamedReference& reference : kNamedReferences) {
        length = ReplaceAll(chunk.first(length), reference);
    }
    return DecodeNumericRefs(chunk.first(length));
}

size_t DecodeNumericRefs(std::span<char16_t> chunk) {
    const size_t size = chunk.size();
    size_t read = 0;
    size_t write = 0;
    while (read < size) {
        if (chunk[read] != u'&' || read + 1 == size || chunk[read + 1] != u'#') {
            chunk[write++] = chunk[read++];
            continue;
        }
        read += 2;
        const size_t digits = read;
        int64_t value = 0;
        for (; read < size && IsDigit(chunk[read]); ++read) {
            value = std::min(value * 10 + (chunk[read] - u'0'), kLargestValue);
        }
        if (read > digits) {
            chunk[write++] = static_cast<char16_t>(value & 0xFFFF);
        }
        if (read == size) {
            break;
        }
        if (chunk[read] == u';') {
            ++read;
        } else {
            chunk[write++] = chunk[read++];
        }
    }
    return write;
}

}  // namespace sorna
