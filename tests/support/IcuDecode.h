#pragma once

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <string>
#include <string_view>

namespace sorna {

// ICU's own conversion of `bytes` with the named converter: what the reader's decoders must
// agree with.
inline std::u16string IcuDecode(std::string_view bytes, const char* converterName) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(converterName, &status);
    std::u16string text(bytes.size() + 1, u'\0');
    const int32_t length = ucnv_toUChars(converter, text.data(), static_cast<int32_t>(text.size()),
                                         bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    ucnv_close(converter);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    text.resize(length);
    return text;
}

}  // namespace sorna
