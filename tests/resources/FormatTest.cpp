#include <gtest/gtest.h>

#include "resources/Format.h"

namespace sorna {
namespace {

TEST(FormatText, ProgramPatterns) {
    EXPECT_EQ(FormatText(u"파일이 존재하지 않습니다. : %s", {u"/tmp/없음.txt"}),
              u"파일이 존재하지 않습니다. : /tmp/없음.txt");
    EXPECT_EQ(FormatText(u"%s - %s %s", {u"a.txt", u"Sorna", u"1.71"}), u"a.txt - Sorna 1.71");
    EXPECT_EQ(FormatText(u"RFNAME%02d", {int64_t{7}}), u"RFNAME07");
    EXPECT_EQ(FormatText(u"RFNAME%02d", {int64_t{100}}), u"RFNAME100");
    EXPECT_EQ(FormatText(u"버튼%d(0x%x)", {int64_t{3}, int64_t{0xCA}}), u"버튼3(0xca)");
    EXPECT_EQ(FormatText(u"%s [%.1f%%]", {u"첫 줄", 12.345}), u"첫 줄 [12.3%]");
    EXPECT_EQ(FormatText(u"err:%d", {int64_t{-5}}), u"err:-5");
}

TEST(FormatText, MismatchedArgumentsAreCopiedNotRead) {
    EXPECT_EQ(FormatText(u"%s and %s", {u"one"}), u"one and %s");
    EXPECT_EQ(FormatText(u"%d", {u"text"}), u"%d");
    EXPECT_EQ(FormatText(u"100% sure %q", {}), u"100% sure %q");
    EXPECT_EQ(FormatText(u"trailing %", {int64_t{1}}), u"trailing %");
}

}  // namespace
}  // namespace sorna
