#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "document/LoadDocument.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"
#include "tests/support/ViewTestSupport.h"
#include "view/CharClass.h"
#include "view/LineBreaker.h"

namespace sorna {
namespace {

using Entries = std::vector<int32_t>;
using namespace std::string_view_literals;

Entries EntriesOf(const LineTable& lines) {
    return {lines.Entries().begin(), lines.Entries().end()};
}

// Lays `text` out on `available` pixels with letters 10 pixels wide (i only 5) and wide code
// units 20.
Entries LayOut(std::u16string_view text, int32_t available, bool removeLineStartSpace = true,
               ReadingAids aids = {}) {
    test::FixedMetricsDevice device;
    device.metrics.charWidths[u'i'] = 5;
    TextView view(device);
    view.SetTextArea({0, 0, available + 3, 320}, false);  // the bar takes 3 pixels
    view.SetOptions(false, removeLineStartSpace);
    view.SetReadingAids(aids);
    test::SetText(view.Document(), text);
    EXPECT_TRUE(view.Layout(nullptr));
    return EntriesOf(view.Lines());
}

struct LayoutCase {
    const char* rule;
    std::u16string_view text;
    int32_t available;
    bool removeLineStartSpace;
    Entries entries;
    ReadingAids aids = {};
};

TEST(Layout, TheBreakingRules) {
    const LayoutCase cases[] = {
        {"line feeds end lines", u"ab\ncd", 1000, true, {0, 3, 5, 5}},
        {"a blank line is its line feed", u"a\n\nb\n", 1000, true, {0, 2, 3, 5}},
        {"carriage returns stay with their line", u"a\r\n\r\nb", 1000, true, {0, 3, 5, 6, 6}},
        {"no empty line after a last line feed", u"ab\n", 1000, true, {0, 3}},
        {"a run that does not fit starts a line", u"aaa bbb", 60, true, {0, 4, 7, 7}},
        {"a break between a word and its comma", u"aaaa,bb", 45, true, {0, 4, 7, 7}},
        {"break marks are runs of their own", u"usr/local", 35, true, {0, 3, 4, 9, 9}},
        {"Korean wraps between syllables", u"가나다라마바사아자차", 70, true, {0, 3, 6, 9, 10, 10}},
        {"a run wider than the line stands alone", u"ab cdefghij kl", 50, true, {0, 3, 12, 14, 14}},
        {"as the first run it leaves line 0 empty", u"abcdefgh ij", 50, true, {0, 0, 9, 11, 11}},
        {"spaces past the edge hang", u"aaaa   bb", 50, true, {0, 7, 9, 9}},
        {"a space after an overflowing line feed hangs", u"aaaaa\n b", 50, true, {0, 7, 8, 8}},
        {"a carriage return hangs too", u"aaaaa  \r\nb", 50, false, {0, 9, 10, 10}},
        {"spaces hang behind a line feed", u"abc\r\n \r\nxyz", 35, false, {0, 8, 11, 11}},
        // A line feed ends the hanging: what follows it starts the next line as usual.
        {"a blank line after a hanging space", u"abc \n\r\nxyz", 35, true, {0, 5, 7, 10, 10}},
        {"an indent after a hanging space", u"abc \n  xy", 35, true, {0, 6, 9, 9}},
        {"a carriage return after a hanging space", u"a \n\rx", 15, true, {0, 3, 5, 5}},
        // A run that would fit beside a hanging space would be drawn past the edge, and behind
        // a line feed it would never be shown.
        {"a run after a hanging space starts a line", u"aaaa i", 45, true, {0, 5, 6, 6}},
        {"so does one after a line feed", u"aaaa\n i", 45, true, {0, 6, 7, 7}},
        {"with leading spaces kept too", u"aaaa\n i", 45, false, {0, 6, 7, 7}},
        {"leading spaces collapse", u"a\n    x", 1000, true, {0, 5, 7, 7}},
        {"leading spaces kept", u"a\n    x", 1000, false, {0, 2, 7, 7}},
        {"the collapsed space counts on its line", u"a\n   bcd", 35, true, {0, 4, 5, 8, 8}},
        {"the collapsed space fits", u"a\n   bcd", 40, true, {0, 4, 8, 8}},
        {"U+0100 is a letter as wide as a syllable", u"x a\u0100b", 55, true, {0, 2, 5, 5}},
        {"carriage returns take no room", u"ab\rcd", 45, true, {0, 5, 5}},
        {"a NUL starts a line", std::u16string_view(u"ab\0cd", 5), 1000, true, {0, 2, 5, 5}},
        // The line a NUL starts is as wide as the whole run before it.
        {"after a NUL, no room", std::u16string_view(u"aaaaaa\0b", 8), 75, true, {0, 6, 7, 8, 8}},
        {"after a NUL, room", std::u16string_view(u"aaaaaa\0b", 8), 80, true, {0, 6, 8, 8}},
        // With the line-breaking rules, closing marks hang up to two wide characters past the edge.
        {"closing marks hang", u"가나다라.」", 80, true, {0, 6, 6}, {true}},
        {"past that, what they follow goes along", u"가나다라……」", 80, true, {0, 3, 7, 7}, {true}},
        {"an opening mark goes with what follows", u"가나다「라", 80, true, {0, 3, 5, 5}, {true}},
        // With joined lines, a single line feed between lines of text is laid out as a space.
        {"a line feed joins its lines", u"ab\r\ncd", 1000, true, {0, 6, 6}, {false, true}},
        {"and breaks like a space", u"abc\ndef", 50, true, {0, 4, 7, 7}, {false, true}},
        {"not to a blank line",
         u"a\nb\n\nc\n d\n\u3000e",
         1000,
         true,
         {0, 4, 5, 7, 10, 12, 12},
         {false, true}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(LayOut(c.text, c.available, c.removeLineStartSpace, c.aids), c.entries);
    }
}

// Wherever the line ends among the code units summed together, a run that fills the width
// exactly still fits and one pixel less does not.
TEST(Layout, AnExactFitFitsWhereverTheLineEnds) {
    for (int32_t n = 1; n <= 12; ++n) {
        SCOPED_TRACE(n);
        const std::u16string letters = std::u16string(n, u'a') + u" bbbb";
        EXPECT_EQ(LayOut(letters, 10 * n + 50), (Entries{0, n + 5, n + 5}));
        EXPECT_EQ(LayOut(letters, 10 * n + 49), (Entries{0, n + 1, n + 5, n + 5}));
        const std::u16string syllables(n, u'가');
        EXPECT_EQ(LayOut(syllables, 20 * n), (Entries{0, n, n}));
        EXPECT_EQ(LayOut(syllables, 20 * n - 1), (Entries{0, n - 1, n, n}));
    }
}

// Lines far wider than any screen: widths add up past 32 bits, and line feeds still end lines.
TEST(Layout, HugeWidthsAndLines) {
    CharMetrics metrics;
    metrics.charWidths.fill(std::numeric_limits<int32_t>::max());
    metrics.charWidths[u'\n'] = 0;
    const std::u16string text =
        std::u16string(2000, u'a') + u' ' + std::u16string(2000, u'b') + u"\nc";
    for (const auto& [available, entries] :
         {std::pair{int64_t{1} << 50, Entries{0, 4002, 4003, 4003}},
          {int64_t{1} << 42, Entries{0, 2001, 4002, 4003, 4003}}}) {
        LineTable lines;
        EXPECT_TRUE(BreakLines(text.data(), int32_t(text.size()), metrics, {available}, lines));
        EXPECT_EQ(EntriesOf(lines), entries);
    }
}

// Broken in 2, 3 or 7 parts at once, every real document gives the table it gives broken in
// one, with every reading aid that moves line ends.
TEST(Layout, PartsBreakAsOne) {
    test::FixedMetricsDevice device(0, 15, 17);
    for (const auto& file : corpus::Documents()) {
        SCOPED_TRACE(file.filename().string());
        DocumentText document;
        ASSERT_TRUE(LoadDocument(document, Widen(file.string()), nullptr));
        for (const BreakOptions options : {BreakOptions{37, true}, BreakOptions{240, false, true},
                                           BreakOptions{1077, true, true, true}}) {
            LineTable whole;
            ASSERT_TRUE(BreakLines(document.text.get(), document.length, device.metrics, options,
                                   whole, Parting{}));
            for (const size_t parts : {2, 3, 7}) {
                LineTable inParts;
                ASSERT_TRUE(BreakLines(document.text.get(), document.length, device.metrics,
                                       options, inParts, Parting{parts}));
                EXPECT_EQ(EntriesOf(inParts), EntriesOf(whole)) << options.availableWidth << parts;
            }
        }
    }
}

bool Grows(CharClass k) {
    return k == CharClass::Letter || k == CharClass::BreakMark || k == CharClass::End;
}

// The table runs from 0 to the length, no line starts inside a run, and a line wider than the
// area is a single run once the spaces and line ends that hang at its end are left off.
void CheckLines(const TextView& view, const CharMetrics& widths, int64_t available) {
    const LineTable& lines = view.Lines();
    const std::u16string_view text(view.Document().text.get(), view.Document().length);
    ASSERT_GE(lines.Count(), 2);
    EXPECT_EQ(lines[0], 0);
    EXPECT_EQ(lines[lines.Count() - 1], int32_t(text.size()));
    for (int32_t n = 0; n + 1 < lines.Count(); ++n) {
        ASSERT_LE(lines[n], lines[n + 1]) << n;
        const int32_t start = lines[n];
        if (start > 0 && start < int32_t(text.size())) {
            const CharClass at = ClassifyChar(text[start]);
            EXPECT_TRUE(ClassifyChar(text[start - 1]) != at || !Grows(at))
                << "line " << n << " starts inside a run at " << start;
        }
        // Without the spaces and line ends that hang at its end; carriage returns take no room.
        const std::u16string_view line = view.LineChars(n);
        const std::u16string_view content = line.substr(0, line.find_last_not_of(u" \t\r\n") + 1);
        int64_t width = 0;
        for (char16_t c : content) {
            width += c == u'\r' ? 0 : widths.Width(c);
        }
        if (width > available && content.size() > 1) {
            const CharClass first = ClassifyChar(content[0]);
            EXPECT_TRUE(Grows(first) &&
                        std::all_of(content.begin(), content.end(),
                                    [&](char16_t c) { return ClassifyChar(c) == first; }))
                << "line " << n << " is " << width << " wide";
        }
    }
}

// The hash of the line tables of each corpus document, by file name. A document new to the corpus
// is checked all the same and then skipped, with the value to add here; one that leaves it fails
// CorpusLayoutHashes until its line goes.
const std::map<std::string, uint64_t> kLineTableHashes = {
    {"en-gutenberg-01-large.txt", 12683499466055034188u},
    {"en-gutenberg-02-crlf.txt", 7211580929369989461u},
    {"en-gutenberg-03.txt", 10789252129105444645u},
    {"en-gutenberg-04-mixed-eol.txt", 6738270343896770037u},
    {"en-page-bbc.html", 16919680541267337469u},
    {"en-page-google.html", 1029079468953384885u},
    {"en-page-hackernews.html", 1608347296135240985u},
    {"en-page-wikipedia.html", 4861505494422609837u},
    {"en-utf16be-bom-subtitle.srt", 5880669757665756949u},
    {"en-utf16le-bom-subtitle.srt", 5880669757665756949u},
    {"en-utf8bom-subtitle.srt", 5880669757665756949u},
    {"ko-cp949-bible-krv-large.txt", 1852960145539210059u},
    {"ko-cp949-constitution.txt", 9749020993077359724u},
    {"ko-cp949-novel-01.txt", 17463913893534525946u},
    {"ko-cp949-novel-02.txt", 11391639278565549957u},
    {"ko-cp949-novel-03.txt", 12488166290545106413u},
    {"ko-cp949-pytest-cp949.txt", 6335161663862168313u},
    {"ko-cp949-readme-md.txt", 17371696929644194989u},
    {"ko-cp949-rss-ricanet.xml", 8604502299518159415u},
    {"ko-cp949-subtitle-01.smi", 2946289250282415617u},
    {"ko-euckr-page-01.htm", 4290673769592780733u},
    {"ko-euckr-page-02.htm", 4037575612820016847u},
    {"ko-euckr-page-03-perftuning.html", 17119539452899090501u},
    {"ko-euckr-page-04-negotiation.html", 13738435743192405111u},
    {"ko-euckr-page-05-quickref.html", 12680943514182820469u},
    {"ko-euckr-pytest-euckr.txt", 8707017123221536469u},
    {"ko-euckr-rss-chisato.xml", 17998207257212060171u},
    {"ko-euckr-rss-jowchung-mixed-eol.xml", 4892233669154629049u},
    {"ko-euckr-rss-naver.xml", 2010551535523171552u},
    {"ko-euckr-rss-willis-longlines.xml", 8045347073379147810u},
    {"ko-euckr-tabs-vimmenu.txt", 3719884448797650328u},
    {"ko-euckr-vimtutor.txt", 5975046181452701385u},
    {"ko-euckr-wiki-01.txt", 5023060225437995583u},
    {"ko-euckr-wiki-02.txt", 6259487344610690333u},
    {"ko-utf16le-bom-01.txt", 17255082001076621509u},
    {"ko-utf16le-bom-novel-05.txt", 17031628209365868045u},
    {"ko-utf8-constitution.txt", 9749020993077359724u},
    {"ko-utf8-emacs-tutorial.txt", 8014794296637136460u},
    {"ko-utf8-novel-01.txt", 17463913893534525946u},
    {"ko-utf8-novel-02.txt", 11391639278565549957u},
    {"ko-utf8-novel-03.txt", 12488166290545106413u},
    {"ko-utf8-page-01-debianfaq.html", 10527691061890187157u},
    {"ko-utf8-page-02-lohelp.html", 16308175731331848613u},
    {"ko-utf8-vimtutor.txt", 5975046181452701385u},
    {"ko-utf8-wiki-01.txt", 12000870986198784925u},
    {"ko-utf8bom-novel-04.txt", 3653154546419501565u},
    {"odd-ko-iso2022kr.txt", 17442789474426170851u},
    {"odd-ko-johab.txt", 12273290940311554321u},
    {"odd-ko-utf32be.txt", 17255082001076621509u},
    {"odd-utf16le-nobom-plane1.html", 12561290151304571741u},
    {"odd-utf16le-nobom.txt", 11918438703466922481u},
};

// Lays a real document out at several widths and both ways with leading spaces, in uneven letter
// widths so that lines fill up differently from character to character; wide code units take
// one width, and then each its own, as when a face without Hangul draws some of them. Checks every
// line table and hashes them all together; a page whose text ends at once has none.
void LayOutAtSeveralWidths(const std::filesystem::path& file, uint64_t& hash) {
    test::FixedMetricsDevice device(0, 15, 17);
    for (int c = 0; c < 256; ++c) {
        device.metrics.charWidths[c] = 4 + c % 9;
    }
    std::vector<int32_t> eachWide;
    for (int c = CharMetrics::kWideFrom; c <= 0xFFFF; ++c) {
        eachWide.push_back(9 + c % 11);
    }
    TextView view(device);
    ASSERT_TRUE(LoadDocument(view.Document(), Widen(file.string()), nullptr));
    if (view.Document().length == 0) {
        return;
    }
    for (const auto& wideWidths : {std::vector<int32_t>{}, eachWide}) {
        device.metrics.wideWidths = wideWidths;
        for (const int32_t available : {37, 240, 1077}) {
            for (const bool removeLineStartSpace : {true, false}) {
                view.SetTextArea({0, 0, available + 3, 320}, false);
                view.SetOptions(false, removeLineStartSpace);
                ASSERT_TRUE(view.Layout(nullptr));
                CheckLines(view, device.metrics, available);
                for (const int32_t entry : view.Lines().Entries()) {
                    hash = (hash ^ uint32_t(entry)) * 1099511628211u;
                }
            }
        }
    }
}

class CorpusLayout : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(CorpusLayout, LinesAtSeveralWidthsAreWholeAndAsBefore) {
    uint64_t hash = 14695981039346656037u;
    ASSERT_NO_FATAL_FAILURE(LayOutAtSeveralWidths(GetParam(), hash));
    const std::string name = GetParam().filename().string();
    const auto expected = kLineTableHashes.find(name);
    if (expected == kLineTableHashes.end()) {
        GTEST_SKIP() << name << " is new to the corpus: to keep its lines as they are, add {\""
                     << name << "\", " << hash << "u} to kLineTableHashes";
    }
    EXPECT_EQ(hash, expected->second) << name << " breaks into other lines than it did";
}

// A test name may hold letters, digits and underscores only.
std::string DocumentTestName(const testing::TestParamInfo<std::filesystem::path>& document) {
    std::string name = document.param.filename().string();
    std::ranges::replace_if(
        name, [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusLayout, testing::ValuesIn(corpus::Documents()),
                         DocumentTestName);

TEST(CorpusLayoutHashes, NameOnlyDocumentsOfTheCorpus) {
    for (const auto& [name, hash] : kLineTableHashes) {
        EXPECT_NO_THROW(corpus::File(name)) << "drop the line of " << name;
    }
}

// Real texts with the aids: at any width no line of a Korean novel starts with a closing mark
// but after a line feed, nor follows an opening mark; an English book of 22108 hard-wrapped lines
// joins into far fewer, each of its 3234 blank lines still a line of its own.
TEST(Layout, ReadingAidsOnRealTexts) {
    test::FixedMetricsDevice device(7, 15, 17);
    TextView novel(device), book(device);
    for (auto [view, name] :
         {std::pair{&novel, "ko-cp949-novel-01.txt"}, {&book, "en-gutenberg-02-crlf.txt"}}) {
        ASSERT_TRUE(LoadDocument(view->Document(), Widen(corpus::File(name).string()), nullptr));
    }
    novel.SetReadingAids({true});
    const std::u16string_view text(novel.Document().text.get(), novel.Document().length);
    for (const int32_t available : {100, 237, 240, 333, 1077}) {
        novel.SetTextArea({0, 0, available + 3, 320}, false);
        ASSERT_TRUE(novel.Layout(nullptr));
        for (int32_t n = 1; n + 1 < novel.Lines().Count(); ++n) {
            const int32_t start = novel.Lines()[n];
            const size_t last = text.find_last_not_of(u" \r\n", start - 1);
            EXPECT_TRUE(text[start - 1] == u'\n' ||
                        (u".,!?”’」』…"sv.find(text[start]) == text.npos &&
                         u"“‘(「『"sv.find(text[last]) == text.npos))
                << n;
        }
    }
    book.SetTextArea({0, 0, 1000, 320}, false);
    book.SetReadingAids({false, true});
    ASSERT_TRUE(book.Layout(nullptr));
    int32_t blankLines = 0;
    for (int32_t n = 0; n + 1 < book.Lines().Count(); ++n) {
        blankLines += book.LineText(n).empty() ? 1 : 0;
    }
    EXPECT_EQ(blankLines, 3234);
    EXPECT_EQ(book.Lines().Count(), 13517);  // 13516 lines
}

}  // namespace
}  // namespace sorna
