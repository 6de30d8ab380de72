#include "app/ProposedBookmarkLabel.h"

#include "resources/AppStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The first code units of text, never ending between the halves of a surrogate pair.
std::u16string_view LabelText(std::u16string_view text) {
    if (text.size() <= kBookmarkLabelTextLength) {
        return text;
    }
    size_t length = kBookmarkLabelTextLength;
    if (IsHighSurrogate(text[length - 1])) {
        --length;
    }
    return text.substr(0, length);
}

}  // namespace

std::u16string ProposedBookmarkLabel(std::u16string_view topLineText,
                                     std::u16string_view nextLineText, int32_t readingPosition,
                                     int32_t textLength) {
    const std::u16string_view lineText = topLineText.empty() ? nextLineText : topLineText;
    const double percentage = textLength > 0 ? readingPosition * 100.0 / textLength : 0.0;
    return FormatText(kBookmarkLabelPattern, {LabelText(lineText), percentage});
}

}  // namespace sorna
