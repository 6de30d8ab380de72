#include "platform/Utf8Text.h"

#include <unicode/ustring.h>
#include <unicode/utf16.h>

namespace sorna {

bool IsLiteralText(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit < u' ' && unit != u'\t') {
            return false;
        }
        if (U16_IS_LEAD(unit) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1])) {
            ++i;
        } else if (U16_IS_SURROGATE(unit)) {
            return false;
        }
    }
    return true;
}

namespace {

// A lone surrogate becomes substitute, or fails the whole text when substitute is U_SENTINEL.
std::string ConvertToUtf8(std::u16string_view text, UChar32 substitute, int32_t* replaced) {
    // Every UTF-16 code unit takes at most three UTF-8 bytes.
    std::string out(text.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                       static_cast<int32_t>(text.size()), substitute, replaced, &status);
    out.resize(U_SUCCESS(status) ? static_cast<size_t>(length) : 0);
    return out;
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
    return ConvertToUtf8(text, U_SENTINEL, nullptr);
}

std::string ToUtf8Replacing(std::u16string_view text, int32_t& replaced) {
    return ConvertToUtf8(text, 0xFFFD, &replaced);
}

std::optional<std::u16string> FromUtf8(std::string_view text) {
    // A UTF-8 sequence never yields more code units than it has bytes.
    std::u16string out(text.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                  static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    out.resize(static_cast<size_t>(length));
    return out;
}

}  // namespace sorna
