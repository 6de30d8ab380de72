#include "document/LoadDocument.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "document/ConvertHtml.h"
#include "document/DecodeInParts.h"
#include "document/TextEncoding.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"
#include "tests/support/DocumentBytes.h"
#include "tests/support/IcuDecode.h"
#include "tests/support/TempFolder.h"

namespace sorna {
namespace {

using test::Bytes;

using namespace std::string_view_literals;

// Converts with the capacity the loader gives and checks that nothing was left out.
std::u16string Convert(std::string_view bytes, TextEncoding encoding = TextEncoding::CodePage949) {
    std::u16string out(HtmlCapacity(bytes.size() / UnitWidth(encoding)), u'#');
    const HtmlConversion result = ConvertHtml(Bytes(bytes), encoding, out);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(out[result.count], u'\0');
    out.resize(result.count);
    return out;
}

TEST(ConvertHtmlTest, TheConversionRules) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        // White space collapses and tags break lines.
        {"a<b>b</b>c", u"a b c "},
        {"a<br><br><br><br>b", u"a \n\n\nb "},
        {"a<p><p><p><p>b", u"a \n\n\n\n\n\nb "},
        {"<P>x<BR>y< br >z</tr>w", u"\n\nx \ny \nz \nw "},
        {"<p align=center>x<p\tclass=a>y<p\nid=b>z", u"\n\nx y z "},
        {"a</p><div><li><h1><td><tr><hr><title>b", u"a b "},
        {"<\241\241br>x", u"\nx "},  // an ideographic space before the name
        // Inside pre white space and every line stay. Lines ending in CR LF: each line's run
        // starts with its line feed and is still text. Runs of line feeds alone are line
        // breaks, and a fourth in a row is dropped.
        {"<pre>one\ntwo\nthree\nfour\n</pre>", u"\n\none\n two\n three\n four\n "},
        {"<pre>one\r\ntwo\r\nthree\r\nfour\r\nfive six\r\n</pre>x",
         u"\n\none \ntwo \nthree \nfour \nfive  six \nx "},
        {"<pre>a\n\n\n\n\n\n\n\n\nb</pre>", u"\n\na\n \n\n\n\n\n\nb "},
        // Comments, scripts, styles and unfinished tags are skipped; a NUL ends the page.
        {"<!-->x-->y", u"y "},
        {"<script>x</SCRIPT>text", u"text "},
        {"<script>if (a<b && c>d) f('</scr');</script >after", u"after "},
        {"<script>x</ script>rest", u""},
        {"a<p", u"a "},
        {std::string_view("ab\0cd", 5), u"ab "},
        // Character references.
        {"&amp;amp; &amp;lt; &amp;#65;", u"&amp; < A "},
        {"&copy;&middot;&#149;&quot;&apos;&gt;", u"(C)\u00B7\u00B7\"'> "},
        {"&AMP; &hellip; &nbsp", u"&AMP; &hellip; &nbsp "},
        {"&#65; &#65 &#65&#66; &#; &#x41;", u"A A A&#66;  x41; "},
        {"&#128512;&#99999999999;", u"\uF600\uFFFF "},
        {"a&#0;b", std::u16string_view(u"a\0b ", 4)},  // the text after a zero unit stays
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(Convert(input), expected) << "input: " << input;
    }
}

TEST(ConvertHtmlTest, TheLoadersCapacityHoldsTheWorstCaseAndLessEndsAtAChunk) {
    std::string pre = "<pre>";
    for (int i = 0; i < 500; ++i) {
        pre += "a ";
    }
    EXPECT_EQ(Convert(pre).size(), 2 + 500 * 3);  // two units become three

    std::u16string out(12, u'#');
    const HtmlConversion result = ConvertHtml(Bytes("Hello world"), TextEncoding::CodePage949, out);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(out.substr(0, result.count + 1), std::u16string(u"Hello \0", 7));
    EXPECT_FALSE(ConvertHtml(Bytes("x"), TextEncoding::CodePage949, {}).complete);
}

TEST(ConvertHtmlTest, ReadsTokensInTheFilesEncoding) {
    EXPECT_EQ(Convert("<p>한글 &amp; 글</p>", TextEncoding::Utf8), u"\n\n한글 & 글 ");
    const std::u16string_view page = u"<P>한글 &amp; 😀</p><script>a<b</script>";
    for (const auto encoding : {TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        std::string bytes;
        for (const char16_t unit : page) {
            const char high = char(unit >> 8), low = char(unit & 0xFF);
            bytes +=
                encoding == TextEncoding::Utf16Be ? std::string{high, low} : std::string{low, high};
        }
        EXPECT_EQ(Convert(bytes, encoding), u"\n\n한글 & 😀 ");
    }
}

// Remembers the stages, and can do something to the file when the conversion begins.
class RecordingProgress : public ProgressText {
public:
    void SetProgressText(std::u16string_view text) override {
        stages.emplace_back(text);
        if (text == kConvertingProgress && onConverting) {
            onConverting();
        }
    }
    std::vector<std::u16string> stages;
    std::function<void()> onConverting;
};

class LoadDocumentTest : public ::testing::Test {
protected:
    bool Load(std::string_view name, std::string_view bytes) {
        path = TempFolder::Wide(folder.Write(name, bytes));
        return LoadDocument(document, path, &progress);
    }
    std::u16string Text() const { return {document.text.get(), size_t(document.length)}; }

    TempFolder folder;
    DocumentText document;
    RecordingProgress progress;
    std::u16string path;
};

// Each failure replaces a document loaded before it.
TEST_F(LoadDocumentTest, FailsWithTheMessageOfTheStepAndHoldsNoDocument) {
    const auto wide = [](const std::filesystem::path& file) { return TempFolder::Wide(file); };
    const std::u16string missing = wide(folder.Path("없는 파일.txt"));
    const std::u16string directory = wide(folder.Path(""));
    // The system would read a path only up to a NUL, and find another file.
    const std::u16string beforeNul = wide(folder.Write("real", "x")) + u'\0' + u"more";
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0600), 0);
    const auto huge = folder.Write("huge.txt", "x");
    ASSERT_EQ(truncate(huge.c_str(), off_t{1} << 31), 0);  // sparse
    std::vector<std::pair<std::u16string, std::u16string>> failures = {
        {missing, FormatText(kFileMissingMessage, {missing})},
        {directory, FormatText(kFileMissingMessage, {directory})},
        {beforeNul, FormatText(kFileMissingMessage, {beforeNul})},
        {wide(folder.Path("pipe")), FormatText(kOpenFailedMessage, {wide(folder.Path("pipe"))})},
        {wide(huge), FormatText(kOutOfMemoryMessage, {int64_t{1} << 31})},
    };
    if (geteuid() != 0) {  // permissions do not stop the superuser
        const auto locked = folder.Write("locked.txt", "x");
        chmod(locked.c_str(), 0);
        failures.push_back({wide(locked), FormatText(kOpenFailedMessage, {wide(locked)})});
    }
    for (const auto& [failing, message] : failures) {
        ASSERT_TRUE(Load("previous.txt", "previous document"));
        EXPECT_FALSE(LoadDocument(document, failing, nullptr));
        EXPECT_EQ(document.loadError, message);
        EXPECT_FALSE(document.HasDocument());
        EXPECT_EQ(document.length, 0);
        EXPECT_TRUE(document.documentPath.empty());
    }
    // A file that shrinks while it is read fails without a crash.
    const auto shrinking = folder.Path("shrinking.txt");
    progress.onConverting = [&] { ASSERT_EQ(truncate(shrinking.c_str(), 4096), 0); };
    EXPECT_FALSE(Load("shrinking.txt", std::string(1 << 20, '\xB0')));
    EXPECT_EQ(document.loadError, FormatText(kViewFailedMessage, {int64_t{EIO}}));
    EXPECT_FALSE(document.HasDocument());
}

// HTML by the name alone, and the encoding the file declares or plainly is. The corpus holds whole
// files in each encoding; these are the edges it lacks.
TEST_F(LoadDocumentTest, ConvertsHtmlByTheNameAloneAndReadsTheEncodingTheFileDeclaresOrPlainlyIs) {
    const std::tuple<const char*, std::string_view, std::u16string_view> cases[] = {
        {"b.HTM", "<b>bold</b>text", u"bold text "},
        {"c.Html", "<b>bold</b>text", u"bold text "},
        {"e.htm.txt", "<b>bold</b>text", u"<b>bold</b>text"},
        {"f.xhtml", "<b>bold</b>text", u"<b>bold</b>text"},
        {"html", "<b>bold</b>text", u"<b>bold</b>text"},
        {"page.html", "\xFF\xFE<\0p\0>\0\x5C\xD5\x00\xAE"sv, u"\n\n한글 "},
        {"한글 이름.txt", "\xEF\xBB\xBF\x61\xFF\xF0\x9F\x98\x80\xEA\xB0", u"a\uFFFD😀\uFFFD"},
        {"한글 이름.txt", "\xFF\xFE\x00\xAC\x41"sv, u"가"},  // the odd byte is dropped
        // A last character cut short leaves UTF-8 as it is, unless it is all that goes beyond
        // ASCII.
        {"cut.txt", "\xEA\xB0\x80 \xF0\x9F\x98", u"가 \uFFFD"},
        {"cut.txt", "ok \xEA\xB0", u"ok \u5A9B"},
        // Empty documents.
        {"empty.txt", "", u""},
        {"mark.txt", "\xEF\xBB\xBF", u""},
        {"empty.htm", "", u""},
        // Too short for a mark: code page 949.
        {"한글 이름.txt", "\xFF\xFE", u"\uF8F7\uFFFD"},
        {"한글 이름.txt", "\xFF\xFE\x41", u"\uF8F7\uFFFDA"},
        {"한글 이름.txt", "\xFE\xFF\x41", u"\uFFFD\uF8F7A"},
    };
    for (const auto& [name, bytes, text] : cases) {
        ASSERT_TRUE(Load(name, bytes)) << name;
        EXPECT_EQ(Text(), text) << name;
        EXPECT_EQ(document.text[document.length], u'\0');
        EXPECT_EQ(document.documentPath, path);
    }
}

// Unmarked UTF-8 only when it is well formed and goes beyond ASCII.
TEST(TextEncodingTest, TakesUnmarkedUtf8OnlyWhenWellFormedAndBeyondAscii) {
    for (const std::string_view utf8 : {"\xF0\x9F\x98\x80", "\xC2\xA0 \xF0\x9F"}) {
        EXPECT_EQ(DetectEncoding(Bytes(utf8)).encoding, TextEncoding::Utf8) << utf8;
    }
    for (const std::string_view other : {"", "only ascii", "\xC0\xAF", "\xED\xA0\x80",
                                         "\xF4\x90\x80\x80", "ok \xEA\xB0", "\xEA\xB0\x80\x80"}) {
        EXPECT_EQ(DetectEncoding(Bytes(other)).encoding, TextEncoding::CodePage949) << other;
    }
}

// What a decoding makes of the bytes cut as `parting` says, or none when it refuses them.
std::optional<std::u16string> DecodeAtOnce(std::string_view bytes, const PartDecoding& decoding,
                                           Parting parting) {
    std::u16string out(bytes.size(), u'\0');
    const std::optional<size_t> length = DecodeInParts(Bytes(bytes), out, decoding, parting);
    return length ? std::optional(out.substr(0, *length)) : std::nullopt;
}

// Decoded in 2, 3 or 7 parts at once, every text comes out as decoded in one: the real
// documents, and texts whose parts decode to fewer units than their bytes suggest (pairs ending
// in a letter, three-byte sequences cut short), to more (lone high bytes, stray continuation
// bytes, also right before a character of two units that then finds one unit of room), or that
// one part refuses.
TEST(DecodeInPartsTest, DecodesAsInOnePart) {
    std::vector<std::string> texts;
    for (const auto& file : corpus::Documents()) {
        texts.push_back(corpus::Bytes(file.filename().string()));
    }
    for (const std::string_view piece :
         {"\x81\x41 \xB0\xA1\xB0\xA1 x\n", "\xEA\xB0 \xEA\xB0\x80 \xF0\x9F\x98\x80\n",
          "\x80\x80\x80 \xFF\xB0\xA1\n", "\xEA\xB0\x80 ok \x80\xBF\xBF 8\n",
          "aaaa\xBF\xF0\x9F\x98\x80"}) {
        std::string text;
        while (text.size() < 2000) {
            text += piece;
        }
        texts.push_back(text);
        texts.push_back(std::string(1000, 'a') + std::string(piece) + std::string(1000, 'a'));
    }
    for (const std::string& text : texts) {
        for (const PartDecoding* decoding : {&kStrictUtf8Parts, &kUtf8Parts, &kCodePage949Parts}) {
            const auto whole = DecodeAtOnce(text, *decoding, Parting{});
            for (const size_t parts : {2, 3, 7}) {
                EXPECT_EQ(DecodeAtOnce(text, *decoding, Parting{parts}), whole)
                    << parts << " parts of " << text.substr(0, 40);
            }
        }
    }
}

// The file is open from the first stage on; a page is converted without stages of its own.
TEST_F(LoadDocumentTest, ReportsItsStagesInOrderAndClosesEveryFileItOpens) {
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto before = openFiles();
    ASSERT_TRUE(Load("korean.txt", "\xC7\xD1"));
    EXPECT_EQ(progress.stages, (std::vector<std::u16string>{u"파일 열기", u"ALLOC", u"변환"}));
    progress.stages.clear();
    ASSERT_TRUE(Load("page.htm", "<p>x"));
    EXPECT_EQ(progress.stages, std::vector<std::u16string>{u"파일 열기"});
    progress.stages.clear();
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(LoadDocument(document, TempFolder::Wide(folder.Path("pipe")), &progress));
    EXPECT_FALSE(LoadDocument(document, u"", &progress));
    EXPECT_EQ(progress.stages, std::vector<std::u16string>{u"파일 열기"});
    EXPECT_EQ(openFiles(), before);
}

// Every text file decodes to what ICU's own converter makes of it, by the file's known encoding
// (ASCII reads the same as code page 949 and UTF-8); the odd ones and the rest need only load.
// Every page comes out without its markup, scripts and style sheets, the listed ones with their
// titles.
TEST(CorpusTest, TextFilesDecodeAsIcuDecodesTheirEncodingAndPagesLoseTheirMarkup) {
    const std::pair<const char*, const char*> converters[] = {
        {"odd-", nullptr},   {"cp949", "windows-949"}, {"euckr", "windows-949"},
        {"utf16", "UTF-16"}, {"utf8", "UTF-8"},        {"gutenberg", "UTF-8"}};
    const std::map<std::string, std::u16string_view> titles = {
        {"en-page-bbc.html", u"BBC - Homepage"},
        {"en-page-google.html", u"india population - Google Search"},
        {"en-page-hackernews.html", u"Hacker News"},
        {"en-page-wikipedia.html", u"Ebola virus epidemic in West Africa"},
        {"ko-euckr-page-02.htm", u"windows-949 한나라당은 2월 임시국회에서"},
        {"ko-euckr-page-03-perftuning.html", u"아파치 성능향상 - Apache HTTP Server"},
        {"ko-euckr-page-04-negotiation.html", u"내용협상 (Content Negotiation)"},
        {"ko-euckr-page-05-quickref.html", u"지시어 빠른참조"},
        {"ko-utf8-page-01-debianfaq.html", u"3장. 데비안 배포판 선택"},
        {"ko-utf8-page-02-lohelp.html", u"바로 가기(LibreOffice 접근성 향상 도구)"},
    };
    // Markup, and pieces of the pages' scripts and style sheets.
    const std::u16string_view neverShown[] = {
        u"<script",       u"<style",        u"<p>",          u"<br>",
        u"<div",          u"CDATA[//",      u"prettyPrint",  u"window.bbcredirection",
        u"window.google", u"function byId", u"mw.loader",    u"Use filters for IE6",
        u"[dir='ltr']",   u"a:lang(ar)",    u"langnames.js",
    };
    size_t titled = 0;
    for (const auto& file : corpus::Documents()) {
        const std::string name = file.filename().string();
        DocumentText document;
        ASSERT_TRUE(LoadDocument(document, TempFolder::Wide(file), nullptr)) << name;
        const std::u16string_view text(document.text.get(), document.length);
        if (document.kind == DocumentKind::Html) {
            if (const auto title = titles.find(name); title != titles.end()) {
                EXPECT_NE(text.find(title->second), text.npos) << name;
                ++titled;
            }
            for (const auto& markup : neverShown) {
                EXPECT_EQ(text.find(markup), text.npos) << name;
            }
            continue;
        }
        const auto known =
            std::find_if(std::begin(converters), std::end(converters),
                         [&](const auto& c) { return name.find(c.first) != name.npos; });
        if (known == std::end(converters) || known->second == nullptr) {
            EXPECT_GT(document.length, 0) << name;
            continue;
        }
        std::u16string expected = IcuDecode(TempFolder::ReadFile(file), known->second);
        if (expected.starts_with(u'\uFEFF')) {
            expected.erase(0, 1);
        }
        EXPECT_TRUE(expected == text) << name;
    }
    EXPECT_EQ(titled, titles.size());
}

}  // namespace
}  // namespace sorna
