#include "app/TextResourceText.h"

#include "platform/CodePage949.h"

namespace sorna {
namespace {

constexpr std::u16string_view kTabReplacement = u"    ";

std::u16string ExpandTabs(std::u16string_view text) {
    std::u16string expanded;
    expanded.reserve(text.size());
    for (const char16_t c : text) {
        if (c == u'\t') {
            expanded += kTabReplacement;
        } else {
            expanded += c;
        }
    }
    return expanded;
}

}  // namespace

std::u16string TextResourceText(std::span<const uint8_t> bytes, bool expandTabs) {
    // Every byte or pair of bytes gives one code unit, so the byte count is room enough.
    std::u16string text(bytes.size(), u'\0');
    text.resize(DecodeCodePage949(bytes, text));
    return expandTabs ? ExpandTabs(text) : text;
}

}  // namespace sorna
