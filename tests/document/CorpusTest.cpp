#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "document/LoadDocument.h"
#include "tests/platform/IcuDecode.h"
#include "tests/platform/TempFolder.h"
#include "tests/support/Corpus.h"

namespace sorna {
namespace {

// The real documents of the corpus: every one must load, and decode to what ICU's own
// converters make of it.

// The converter whose output a plain-text file must equal, by the file's known encoding.
const char* ExpectedConverter(const std::string& name) {
    if (name.starts_with("ko-cp949") || name.starts_with("ko-euckr") ||
        name.starts_with("en-gutenberg-02") || name.starts_with("en-gutenberg-04")) {
        return "windows-949";
    }
    if (name.starts_with("odd-")) {
        return nullptr;  // mislabelled or unmarked: they need only load
    }
    if (name.find("utf16") != std::string::npos) {
        return "UTF-16";
    }
    if (name.find("utf8") != std::string::npos || name.starts_with("en-gutenberg") ||
        name == "SOURCES.md") {
        return "UTF-8";
    }
    return nullptr;
}

std::u16string Load(const std::filesystem::path& file, DocumentText& document) {
    EXPECT_TRUE(LoadDocument(document, TempFolder::Wide(file), nullptr)) << file;
    return {document.text.get(), static_cast<size_t>(document.length)};
}

TEST(CorpusTest, EveryTextFileDecodesAsIcuDecodesItsEncoding) {
    for (const auto& file : corpus::Documents()) {
        DocumentText document;
        const std::u16string text = Load(file, document);
        if (document.isHtml) {
            continue;
        }
        const std::string name = file.filename().string();
        if (const char* converter = ExpectedConverter(name)) {
            std::u16string expected = IcuDecode(TempFolder::ReadFile(file), converter);
            if (expected.starts_with(u'\uFEFF')) {
                expected.erase(0, 1);
            }
            EXPECT_TRUE(expected == text) << name;
        } else {
            EXPECT_GT(document.length, 0) << name;
        }
    }
}

TEST(CorpusTest, PagesComeOutWithoutMarkupScriptOrStyle) {
    const std::map<std::string, std::u16string> titles = {
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
    const std::vector<std::u16string> neverShown = {
        u"<script",       u"<style",        u"<p>",          u"<br>",
        u"<div",          u"CDATA[//",      u"prettyPrint",  u"window.bbcredirection",
        u"window.google", u"function byId", u"mw.loader",    u"Use filters for IE6",
        u"[dir='ltr']",   u"a:lang(ar)",    u"langnames.js",
    };
    for (const auto& [name, title] : titles) {
        DocumentText document;
        const std::u16string text = Load(corpus::File(name), document);
        EXPECT_NE(text.find(title), std::u16string::npos) << name;
        for (const auto& markup : neverShown) {
            EXPECT_EQ(text.find(markup), std::u16string::npos) << name;
        }
    }
}

}  // namespace
}  // namespace sorna
