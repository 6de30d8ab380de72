#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "document/DecodeInParts.h"
#include "document/DecodingPlan.h"
#include "document/Johab.h"
#include "document/LoadDocument.h"
#include "document/PositionInEncoding.h"
#include "tests/support/Corpus.h"
#include "tests/support/DocumentBytes.h"
#include "tests/support/IcuDecode.h"
#include "tests/support/TempFolder.h"

namespace sorna {
namespace {

using test::Bytes;
using test::TextOf;

DocumentText Loaded(const std::filesystem::path& file, std::string_view encoding = {}) {
    DocumentText document;
    EXPECT_TRUE(LoadDocument(document, TempFolder::Wide(file), nullptr, encoding)) << file;
    return document;
}

// Every corpus file is read in the encoding the mark or UTF-8 check chose before, and to the same
// text as that encoding chosen by hand, except the odd ones, now read by their evidence; Johab,
// which has none, is right when chosen by hand.
TEST(EncodingTest, EveryCorpusFileIsReadAsBeforeAndTheOddOnesByEvidenceOrByChoice) {
    const std::map<std::string, std::string_view> byEvidence = {
        {"odd-utf16le-nobom.txt", "UTF-16LE"},
        {"odd-utf16le-nobom-plane1.html", "UTF-16LE"},
        {"odd-ko-iso2022kr.txt", "ISO-2022-KR"},
        {"odd-ko-utf32be.txt", "UTF-32BE"},
    };
    for (const auto& file : corpus::Documents()) {
        const std::string name = file.filename().string();
        const std::string bytes = corpus::Bytes(name);
        const auto evidence = byEvidence.find(name);
        const std::string_view before = EncodingName(DetectEncoding(Bytes(bytes)).encoding);
        const DocumentText automatic = Loaded(file);
        if (evidence != byEvidence.end()) {
            EXPECT_EQ(automatic.encoding, evidence->second) << name;
            continue;
        }
        EXPECT_EQ(automatic.encoding, before) << name;
        EXPECT_TRUE(TextOf(automatic) == TextOf(Loaded(file, before))) << name;
    }
    EXPECT_EQ(TextOf(Loaded(corpus::File("odd-utf16le-nobom.txt"))),
              IcuDecode(corpus::Bytes("odd-utf16le-nobom.txt"), "UTF-16LE"));
    EXPECT_NE(TextOf(Loaded(corpus::File("odd-ko-iso2022kr.txt"))).find(u"북조선 사람들은 흔히"),
              std::u16string_view::npos);
    const DocumentText plane1 = Loaded(corpus::File("odd-utf16le-nobom-plane1.html"));
    EXPECT_NE(TextOf(plane1).find(u"\U00010313\U00010300"), std::u16string_view::npos);
    EXPECT_EQ(TextOf(Loaded(corpus::File("odd-ko-utf32be.txt"))),
              IcuDecode(corpus::Bytes("odd-ko-utf32be.txt"), "UTF-32BE").substr(1));  // no mark
    const DocumentText johab = Loaded(corpus::File("odd-ko-johab.txt"), "Johab");
    EXPECT_EQ(johab.encoding, "Johab");
    EXPECT_EQ(johab.length, 48985);
    EXPECT_EQ(TextOf(johab).find(u'\uFFFD'), std::u16string_view::npos);
    EXPECT_NE(TextOf(johab).find(u"어떠한 이유로든 상업적인 목적에 이용될 수 없습니다"),
              std::u16string_view::npos);
    EXPECT_NE(TextOf(johab).find(u"《"), std::u16string_view::npos);
}

// UTF-16 in 1, 2, 3 or 7 parts at once in either byte order, an odd last byte dropped, is the
// text ICU reads.
TEST(EncodingTest, Utf16DecodesInPartsAsIcuReadsIt) {
    const std::string little = corpus::Bytes("ko-utf16le-bom-novel-05.txt").substr(2);
    std::string big = little;
    for (size_t i = 0; i + 1 < big.size(); i += 2) {
        std::swap(big[i], big[i + 1]);
    }
    const std::u16string expected = IcuDecode(little, "UTF-16LE");
    for (const auto& [encoding, bytes] : {std::pair{TextEncoding::Utf16Le, little + "A"},
                                          std::pair{TextEncoding::Utf16Be, big + "A"}}) {
        for (const size_t parts : {1, 2, 3, 7}) {
            std::u16string out(bytes.size() / 2, u'#');
            EXPECT_EQ(DecodeUtf16InParts(encoding, Bytes(bytes), out, Parting{parts}), out.size());
            EXPECT_TRUE(out == expected) << parts << " parts";
        }
    }
}

TEST(EncodingTest, JohabSpellsSyllablesLettersSymbolsAndHanja) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        {"\x88\x61", u"가"},     {"\xD3\xBD", u"힣"},  // the first syllable and the last
        {"\x88\x41", u"ㄱ"},     {"\x84\x61", u"ㅏ"},     {"\x84\x42", u"ㄱ"},  // lone letters
        {"\x84\x41", u"\u3164"}, {"\xD9\x31", u"\u3000"},  // filler, ideographic space
        {"\xE0\x31", u"伽"},     {"\xD9\x46", u"《"},     {"A\x84 b", u"A\uFFFD b"},
        {"\x88", u"\uFFFD"},      // a bad or cut pair
        {"\x88\x43", u"\uFFFD"},  // an initial with a final but no vowel
    };
    for (const auto& [bytes, expected] : cases) {
        std::u16string out(bytes.size(), u'#');
        const DecodedBytes done = DecodeJohab(Bytes(bytes), out);
        EXPECT_EQ(done.read, bytes.size());
        out.resize(done.written);
        EXPECT_EQ(out, expected);
    }
}

// A page's declared charset counts only where it names what the two of today do not read, and
// only when the bytes are no UTF-8; a name no decoder knows is as good as none.
TEST(EncodingTest, PagesFollowTheirDeclaredCharsetAndUnknownChoicesAreAutomatic) {
    TempFolder folder;
    const auto page = [&folder](std::string_view meta, std::string_view body) {
        return Loaded(folder.Write("page.html", "<html><head><meta " + std::string(meta) +
                                                    "></head><body>" + std::string(body) +
                                                    "</body></html>"));
    };
    const DocumentText latin = page("charset=\"windows-1252\"", "caf\xe9 \x80");
    EXPECT_EQ(latin.encoding, "windows-1252");
    EXPECT_TRUE(TextOf(latin).starts_with(u"café €"));
    EXPECT_EQ(page("http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\"", "\x80")
                  .encoding,
              "windows-1252");
    EXPECT_TRUE(TextOf(page("charset=euc-kr", "\xc7\xd1")).starts_with(u"한"));
    EXPECT_EQ(page("charset=windows-1252", "\xed\x95\x9c").encoding, "UTF-8");
    EXPECT_EQ(page("charset=shift_jis", "\x82\xa0").encoding, "shift_jis");
    const std::filesystem::path text = folder.Write("a.txt", "\xc7\xd1");
    EXPECT_EQ(Loaded(text, "no-such-encoding").encoding, "windows-949");
    EXPECT_EQ(TextOf(Loaded(text, "UTF-8")), u"\uFFFD\uFFFD");
}

// Each of the first lines' starts read in `from` is a line's start read in `to`, and back.
void ExpectLineStartsKept(const std::string& name, std::string_view from, std::string_view to) {
    const std::filesystem::path file = corpus::File(name);
    const std::u16string path = TempFolder::Wide(file);
    const DocumentText read = Loaded(file, from);
    const DocumentText reread = Loaded(file, to);
    size_t place = 0;
    for (int line = 0; line < 40; ++line) {
        place = TextOf(read).find(u'\n', place) + 1;
        const int32_t moved = PositionInEncoding(path, false, from, to, int32_t(place));
        EXPECT_EQ(TextOf(reread)[size_t(moved) - 1], u'\n') << name << " line " << line;
        EXPECT_EQ(PositionInEncoding(path, false, to, from, moved), int32_t(place)) << name;
    }
}

// A place maps through the byte it comes of: a code page 949 novel read as UTF-8 and back, the
// Johab text as it opens and as chosen, a place inside a character, and a marked UTF-16 text
// whose mark is no unit of its text.
TEST(EncodingTest, APlaceKeepsItsByteAcrossEncodings) {
    ExpectLineStartsKept("ko-cp949-novel-02.txt", "windows-949", "UTF-8");
    ExpectLineStartsKept("odd-ko-johab.txt", "", "Johab");
    TempFolder folder;
    const std::u16string emoji = TempFolder::Wide(folder.Write("a.txt",
                                                               "a\xF0\x9F\x98\x80"
                                                               "b"));
    EXPECT_EQ(PositionInEncoding(emoji, false, "", "windows-949", 2), 1);  // inside the pair
    EXPECT_EQ(PositionInEncoding(emoji, false, "windows-949", "", 3), 3);
    EXPECT_EQ(PositionInEncoding(emoji, false, "", "", 99), 4);
    EXPECT_EQ(PositionInEncoding(emoji, false, "", "", -9), 0);
    const std::u16string marked = TempFolder::Wide(corpus::File("ko-utf16le-bom-novel-05.txt"));
    EXPECT_EQ(PositionInEncoding(marked, false, "UTF-16LE", "", 1234), 1234);
    // Read the other way round, the mark is a character of the text.
    EXPECT_EQ(PositionInEncoding(marked, false, "UTF-16LE", "UTF-16BE", 1234), 1235);
    EXPECT_EQ(PositionInEncoding(u"/no/such/file", false, "UTF-8", "", 99), 0);
}

}  // namespace
}  // namespace sorna
