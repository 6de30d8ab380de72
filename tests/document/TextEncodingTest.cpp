#include "document/TextEncoding.h"

#include <gtest/gtest.h>

#include <string_view>

namespace sorna {
namespace {

EncodingChoice Detect(std::string_view bytes) {
    return DetectEncoding({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

TEST(TextEncodingTest, TakesUnmarkedUtf8OnlyWhenWellFormedAndBeyondAscii) {
    EXPECT_EQ(Detect("\xF0\x9F\x98\x80").encoding, TextEncoding::Utf8);
    EXPECT_EQ(Detect("only ascii").encoding, TextEncoding::CodePage949);
    for (const std::string_view bad :
         {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ok \xEA\xB0", "\xEA\xB0\x80\x80"}) {
        EXPECT_EQ(Detect(bad).encoding, TextEncoding::CodePage949) << bad;
    }
    EXPECT_EQ(Detect("").encoding, TextEncoding::CodePage949);
}

}  // namespace
}  // namespace sorna
