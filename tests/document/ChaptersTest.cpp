#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "document/ConvertHtml.h"
#include "document/FindChapters.h"
#include "document/HeadingLine.h"
#include "document/LoadDocument.h"
#include "platform/Utf8Text.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"

namespace sorna {

void PrintTo(const Chapter& chapter, std::ostream* out) {
    *out << chapter.offset << ' ' << chapter.level << ' ' << ToUtf8(chapter.title);
}

namespace {

// Lines joined by line feeds; "B" stands for a paragraph of body text.
std::u16string Text(const std::vector<std::u16string_view>& lines) {
    std::u16string text;
    for (const std::u16string_view line : lines) {
        text += (line == u"B" ? u"그는 천천히 걸어가며 오래된 골목의 풍경을 바라보았다." : line);
        text += u'\n';
    }
    return text;
}

std::vector<std::u16string> Titles(const std::vector<Chapter>& chapters) {
    std::vector<std::u16string> titles;
    std::ranges::transform(chapters, std::back_inserter(titles), &Chapter::title);
    return titles;
}

std::u16string Load(const std::string& path, DocumentText& document) {
    EXPECT_TRUE(LoadDocument(document, Widen(path), nullptr)) << path;
    return {document.text.get(), size_t(document.length)};
}

TEST(HeadingLineTest, ReadsTheFormsAndTurnsDownBodyText) {
    // The line, then its number and level; a word heading has neither, and -1 is no heading.
    // clang-format off
    const std::pair<std::u16string_view, std::pair<int, int>> cases[] = {
        {u"제1장", {1, 2}}, {u"제 12 장 시작", {12, 2}}, {u"제십이장", {12, 2}}, {u"제이십삼화", {23, 2}},
        {u"제三장", {3, 2}}, {u"제百화", {100, 2}}, {u"제 IV 장", {4, 2}}, {u"제Ⅻ장", {12, 2}},
        {u"제３장", {3, 2}}, {u"제1부", {1, 1}}, {u"제2편", {2, 1}}, {u"제3권", {3, 1}},
        {u"제1절 대통령", {1, 3}}, {u"제2막", {2, 2}}, {u"1화", {1, 2}}, {u"12화. 만남", {12, 2}},
        {u"3장", {3, 2}}, {u"2부", {2, 1}}, {u"[3화] 재회", {3, 2}}, {u"<제1장>", {1, 2}},
        {u"〈1화〉", {1, 2}}, {u"《제2부》", {2, 1}}, {u"【10화】 끝", {10, 2}}, {u"#7", {7, 2}},
        {u"1화. 만남.", {1, 2}}, {u"제2장 무엇을 할 것인가?", {2, 2}},
        {u"CHAPTER 1. Loomings.", {1, 2}}, {u"Chapter XII", {12, 2}},
        {u"Chapter Twenty-One", {21, 2}}, {u"CHAPTER NINETY-NINE", {99, 2}},
        {u"BOOK ONE: 1805", {1, 1}}, {u"PART 2", {2, 1}}, {u"Volume III", {3, 1}},
        {u"CHAPTER 56. Of the Less Erroneous Pictures of Whales, and the True", {56, 2}},
        {u"프롤로그", {0, 0}}, {u"에필로그 - 그 후", {0, 0}}, {u"외전 1", {0, 0}}, {u"작가의 말", {0, 0}},
        {u"서장", {0, 0}}, {u"후기", {0, 0}}, {u"[외전]", {0, 0}}, {u"PROLOGUE", {0, 0}},
        {u"Epilogue", {0, 0}}, {u"SECOND EPILOGUE", {0, 0}}, {u"Preface", {0, 0}},
        // Body text, law articles, dialogue and numbers in running text.
        {u"제1조 ① 대한민국은 민주공화국이다.", {-1, 0}}, {u"제1조", {-1, 0}}, {u"네.", {-1, 0}},
        {u"“1화에서 만나요.”", {-1, 0}}, {u"3장 정도 남았다.", {-1, 0}}, {u"제일 좋은 날", {-1, 0}},
        {u"1장을 넘기자 그가 말했다", {-1, 0}}, {u"2부작 드라마", {-1, 0}}, {u"후기 인상파", {-1, 0}},
        {u"서장님이 왔다", {-1, 0}}, {u"1화만 보자.", {-1, 0}}, {u"1999년에 일어난 일이다.", {-1, 0}},
        {u"Chapter 3 was the best part.", {-1, 0}}, {u"chapter 1", {-1, 0}}, {u"CHAPTERS", {-1, 0}},
        {u"Part of the plan", {-1, 0}}, {u"CHAPTER IIII", {-1, 0}}, {u"The Prologue", {-1, 0}},
        {u"12화 그날 밤 우리가 함께 걸었던 길 위에서 있었던 일들과 그 뒤에 일어난 일들을 모두 적어 둔다", {-1, 0}},
        {u"BOOK I. (FOLIO), CHAPTER I. (SPERM WHALE).--This whale, among the", {-1, 0}},
    };
    // clang-format on
    for (const auto& [line, expected] : cases) {
        const std::optional<HeadingLine> heading =
            MayStartHeading(line) ? ReadHeadingLine(line) : std::nullopt;
        const std::pair<int, int> read =
            heading ? std::pair<int, int>{heading->number, heading->level} : std::pair{-1, 0};
        EXPECT_EQ(read, expected) << ToUtf8(line);
    }
}

TEST(FindChaptersTest, KeepsRisingSequencesAndDropsListsOfContents) {
    // Lines ("B" a paragraph of body text); the kept ones by their line number, with their levels.
    // clang-format off
    const std::pair<std::vector<std::u16string_view>, std::vector<std::pair<int, int>>> cases[] = {
        {{u"B", u"1장", u"B"}, {}},
        {{u"B", u"제3장", u"B", u"B"}, {}},
        {{u"1화", u"B", u"2화", u"B", u"3화", u"B"}, {{0, 1}, {2, 1}, {4, 1}}},
        {{u"1화", u"B", u"2화", u"B", u"9화", u"B", u"3화", u"B"}, {{0, 1}, {2, 1}, {6, 1}}},
        {{u"제1부", u"B", u"1화", u"B", u"2화", u"B", u"제2부", u"1화", u"B", u"2화", u"B"},
         {{0, 1}, {2, 2}, {4, 2}, {6, 1}, {7, 2}, {9, 2}}},
        {{u"1화", u"B", u"2화", u"B", u"1화", u"B", u"2화", u"B"}, {{0, 1}, {2, 1}}},
        {{u"제1장", u"B", u"1장", u"B", u"제2장", u"B"}, {{0, 1}, {4, 1}}},
        {{u"프롤로그", u"B", u"1화", u"B", u"2화", u"B", u"에필로그", u"B"}, {{0, 1}, {2, 1}, {4, 1}, {6, 1}}},
        // A list of contents, then the same headings with the body between them.
        {{u"목차", u"", u"1화", u"", u"2화", u"", u"3화", u"", u"", u"1화", u"B", u"2화", u"B", u"3화", u"B"},
         {{9, 1}, {11, 1}, {13, 1}}},
        // Headings with nothing between them that come only once stay.
        {{u"1화", u"", u"2화", u"", u"3화"}, {{0, 1}, {2, 1}, {4, 1}}},
        {{u"B", u"Chapter 1", u"B", u"Chapter 2", u"B", u"Epilogue", u"B"}, {{1, 1}, {3, 1}, {5, 1}}},
    };
    // clang-format on
    for (const auto& [lines, expected] : cases) {
        const std::u16string text = Text(lines);
        std::vector<std::pair<int, int>> found;
        for (const Chapter& chapter : FindChapters(text)) {
            const auto line = std::count(text.begin(), text.begin() + chapter.offset, u'\n');
            found.emplace_back(int(line), chapter.level);
            EXPECT_EQ(chapter.title, lines[line]);
        }
        EXPECT_EQ(found, expected) << ToUtf8(text);
    }
}

TEST(FindChaptersTest, FindsEachKoreanFormBetweenTheParagraphsOfANovel) {
    DocumentText novel;
    const std::u16string source = Load(corpus::File("ko-utf8-novel-03.txt").string(), novel);
    // clang-format off
    auto sino = [](int n, std::u16string_view digits, char16_t ten) {
        std::u16string text = n >= 20 ? std::u16string(1, digits[n / 10 - 1]) : u"";
        text += n >= 10 ? std::u16string(1, ten) : u"";
        return n % 10 != 0 ? text + digits[n % 10 - 1] : text;
    };
    auto roman = [](int n) {
        const char16_t* ones[] = {u"", u"I", u"II", u"III", u"IV", u"V", u"VI", u"VII", u"VIII", u"IX"};
        return std::u16string(n / 10, u'X') + ones[n % 10];
    };
    auto number = [](int n) { return Widen(std::to_string(n)); };
    const std::vector<std::function<std::u16string(int)>> forms = {
        [&](int n) { return u"제" + number(n) + u"장"; }, [&](int n) { return number(n) + u"화"; },
        [&](int n) { return u"제 " + number(n) + u" 화 그날 밤"; }, [&](int n) { return number(n) + u"부"; },
        [&](int n) { return number(n) + u"장. 만남"; }, [&](int n) { return u"#" + number(n); },
        [&](int n) { return u"[" + number(n) + u"화] 재회"; }, [&](int n) { return u"<제" + number(n) + u"장>"; },
        [&](int n) { return u"〈" + number(n) + u"화〉"; }, [&](int n) { return u"《제" + number(n) + u"부》"; },
        [&](int n) { return u"【" + number(n) + u"화】"; }, [&](int n) { return u"제" + roman(n) + u"장"; },
        [&](int n) { return u"제" + sino(n, u"일이삼사오육칠팔구", u'십') + u"장"; },
        [&](int n) { return u"제" + sino(n, u"一二三四五六七八九", u'十') + u"화"; },
    };
    // clang-format on
    for (const auto& form : forms) {
        std::u16string text;
        std::vector<std::u16string> inserted;
        // A heading of the form before every thirtieth line of the novel.
        for (size_t at = 0, line = 0, end; at < source.size(); at = end, ++line) {
            end = std::min(source.find(u'\n', at), source.size() - 1) + 1;
            if (line % 30 == 0) {
                inserted.push_back(form(int(line / 30 + 1)));
                text += inserted.back() + u"\r\n";
            }
            text.append(source, at, end - at);
        }
        EXPECT_EQ(Titles(FindChapters(text)), inserted) << ToUtf8(inserted.front());
    }
}

TEST(FindChaptersTest, AnyPartingFindsWhatOnePartFinds) {
    DocumentText document;
    std::u16string text = Load(corpus::File("en-gutenberg-02-crlf.txt").string(), document);
    text += Text({u"제1부", u"B", u"1화", u"B", u"2화", u"B", u"제2부", u"1화", u"B"});
    text += Load(corpus::File("ko-utf8-constitution.txt").string(), document);
    const std::vector<Chapter> whole = FindChapters(text, Parting{});
    EXPECT_EQ(whole.size(), 136u + 5u + 12u);
    for (const size_t parts : {1u, 2u, 3u, 7u}) {
        EXPECT_EQ(FindChapters(text, Parting{parts, 1}), whole) << parts;
    }
}

TEST(HtmlChaptersTest, HeadingsPointAtTheirTextAndLeaveTheTextAsItWas) {
    const std::string_view page =
        "<title>t</title><H1>Title</H1><p>text<h2 class=x> Two\n<br>lines </h2>"
        "<h3></h3><h4>four</h4><h3>Three<h1>One";
    std::u16string out(HtmlCapacity(page.size()), u'#');
    const HtmlConversion result = ConvertHtml(
        {reinterpret_cast<const uint8_t*>(page.data()), page.size()}, TextEncoding::Utf8, out);
    out.resize(result.count);
    EXPECT_EQ(out, u"t Title \n\ntext Two \nlines four Three One ");
    const std::vector<Chapter> expected = {
        {2, 1, u"Title"}, {15, 2, u"Two  lines"}, {31, 3, u"Three"}, {37, 1, u"One"}};
    EXPECT_EQ(result.headings, expected);
}

// Pages know their chapters from their load, texts do not until they are found.
TEST(CorpusChaptersTest, EveryDocumentHasTheChaptersReadByEye) {
    // How many, and the first two titles; every other document has none.
    // clang-format off
    const std::map<std::string, std::pair<size_t, std::vector<std::u16string>>> expected = {
        {"en-gutenberg-01-large.txt", {382, {u"BOOK ONE: 1805", u"CHAPTER I"}}},
        {"en-gutenberg-02-crlf.txt", {136, {u"CHAPTER 1. Loomings.", u"CHAPTER 2. The Carpet-Bag."}}},
        {"en-page-bbc.html", {69, {u"Accessibility links", u"BBC navigation"}}},
        {"en-page-google.html", {14, {u"Search Results", u"India - CIA"}}},
        {"en-page-wikipedia.html", {43, {u"Ebola virus epidemic in West Africa", u"Contents"}}},
        {"ko-cp949-constitution.txt", {12, {u"제1장 총강", u"제2장 국민의 권리와 의무"}}},
        {"ko-utf8-constitution.txt", {12, {u"제1장 총강", u"제2장 국민의 권리와 의무"}}},
        {"ko-euckr-page-03-perftuning.html", {22, {u"아파치 성능향상", u"하드웨어와 운영체제에 대해서 &para;"}}},
        {"ko-euckr-page-04-negotiation.html", {15, {u"내용협상 (Content Negotiation)", u"내용협상에 대해 &para;"}}},
        {"ko-euckr-page-05-quickref.html", {1, {u"지시어 빠른참조"}}},
        {"ko-utf8-page-01-debianfaq.html", {19, {u"3장. 데비안 배포판 선택",
            u"3.1. 어느 데비안 배포판(stable/testing/unstable)이 나에게 좋은가요?"}}},
        {"ko-utf8-page-02-lohelp.html", {28, {u"바로 가기( LibreOffice 접근성 향상 도구)",
            u"마우스 없이 LibreOffice 인터페이스 조정"}}},
        {"odd-utf16le-nobom-plane1.html", {2, {u"Unicode Plane 1 Example Usage For Business Applications",
            u"Using UTF-16 Little-Endian Plane 1 Supplementary Characters"}}},
    };
    // clang-format on
    for (const auto& file : corpus::Documents()) {
        DocumentText document;
        const std::u16string text = Load(file.string(), document);
        EXPECT_EQ(document.chapters.has_value(), document.kind == DocumentKind::Html) << file;
        const std::vector<Chapter> chapters =
            document.chapters ? *document.chapters : FindChapters(text);
        const auto entry = expected.find(file.filename().string());
        const auto [count, first] =
            entry != expected.end() ? entry->second : decltype(entry->second){};
        ASSERT_EQ(chapters.size(), count) << file;
        std::vector<std::u16string> titles = Titles(chapters);
        titles.resize(std::min(titles.size(), first.size()));
        EXPECT_EQ(titles, first) << file;
        for (const Chapter& chapter : chapters) {
            // A page's heading begins its text there, a text's heading line its title.
            EXPECT_TRUE(document.chapters ? text[chapter.offset] == chapter.title[0]
                                          : text.substr(chapter.offset).find(chapter.title) < 80);
        }
        document.Clear();
        EXPECT_FALSE(document.chapters.has_value());
    }
}

}  // namespace
}  // namespace sorna
