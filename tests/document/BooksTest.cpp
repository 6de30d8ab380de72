#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "document/BookItems.h"
#include "document/BookPath.h"
#include "document/DocumentKind.h"
#include "document/LoadDocument.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"
#include "tests/support/TempFolder.h"

namespace sorna {
namespace {

// Built from the corpus by tests/support/MakeBooks.py before these tests run.
std::u16string Book(std::string_view name) {
    return TempFolder::Wide(std::filesystem::path(SORNA_TEST_BOOKS_DIR) / name);
}

struct Entry {
    int32_t level;
    std::u16string_view title;
};

TEST(BooksTest, GoodBooksOpenWithTheirOwnChapters) {
    const struct {
        std::string_view name;
        std::vector<Entry> chapters;
        std::u16string_view alsoShown;
    } books[] = {
        // The nav document's table, with a link into the middle of an item and an image's alt.
        {"nav.epub",
         {{1, u"제1장"}, {1, u"제2장"}, {2, u"제2장 뒷부분"}, {1, u"제3장"}},
         u"그림 & 설명"},
        {"nav-without-extension",
         {{1, u"제1장"}, {1, u"제2장"}, {2, u"제2장 뒷부분"}, {1, u"제3장"}},
         u""},
        // The NCX's navMap; its page list is no chapter.
        {"ncx.epub", {{1, u"Part One"}, {2, u"Chapter I"}, {2, u"Chapter II"}}, u""},
        {"headings.epub", {{1, u"제1장"}, {1, u"제2장"}, {1, u"제3장"}}, u""},
        // UTF-16 with either mark and without one, and EUC-KR as declared.
        {"encodings.epub", {{1, u"첫째"}, {1, u"둘째"}, {1, u"셋째"}, {1, u"넷째"}}, u""},
        {"good-font-obfuscated.epub", {{1, u"제1장"}, {1, u"제2장"}, {1, u"제3장"}}, u""},
        {"good-stray-entries.epub", {{1, u"제1장"}, {1, u"제2장"}, {1, u"제3장"}}, u""},
    };
    for (const auto& book : books) {
        DocumentText document;
        ASSERT_TRUE(LoadDocument(document, Book(book.name), nullptr)) << book.name;
        EXPECT_EQ(document.kind, DocumentKind::Book) << book.name;
        const std::u16string_view text(document.text.get(), document.length);
        ASSERT_TRUE(document.chapters.has_value()) << book.name;
        ASSERT_EQ(document.chapters->size(), book.chapters.size()) << book.name;
        int32_t before = -1;
        for (size_t n = 0; n < book.chapters.size(); ++n) {
            const Chapter& chapter = (*document.chapters)[n];
            EXPECT_EQ(chapter.title, book.chapters[n].title) << book.name;
            EXPECT_EQ(chapter.level, book.chapters[n].level) << book.name;
            // Each chapter starts where its heading's text does, after the one before.
            EXPECT_TRUE(text.substr(chapter.offset).starts_with(chapter.title)) << book.name;
            EXPECT_GT(chapter.offset, before) << book.name;
            before = chapter.offset;
        }
        // Neither markup, nor style sheets, nor the pages' titles a second time.
        for (const std::u16string_view hidden : {u"<p>", u"text-indent", u"xml version"}) {
            EXPECT_EQ(text.find(hidden), text.npos) << book.name;
        }
        const std::u16string_view first = book.chapters.front().title;
        EXPECT_EQ(text.find(first, text.find(first) + 1), text.npos) << book.name;
        EXPECT_NE(text.find(book.alsoShown), text.npos) << book.name;
        EXPECT_GT(text.size(), 2000u) << book.name;
    }
}

TEST(BooksTest, BadBooksSayWhyAndLeaveNoDocument) {
    const std::pair<std::string_view, std::u16string> books[] = {
        {"bad-not-a-zip.epub", std::u16string(kBookDamagedMessage)},
        {"bad-cut-short.epub", std::u16string(kBookDamagedMessage)},
        {"bad-no-container.epub", FormatText(kBookNoPackageMessage, {u"META-INF/container.xml"})},
        {"bad-no-package.epub", FormatText(kBookNoPackageMessage, {u"OEBPS/missing.opf"})},
        {"bad-missing-item.epub", FormatText(kBookItemMissingMessage, {u"OEBPS/c1.xhtml"})},
        {"bad-climbs-out.epub", FormatText(kBookLinkOutsideMessage, {u"../../etc/passwd"})},
        {"bad-absolute.epub", FormatText(kBookLinkOutsideMessage, {u"/etc/passwd"})},
        {"bad-protected.epub", std::u16string(kBookProtectedMessage)},
        {"bad-bomb.epub", std::u16string(kBookTooLargeMessage)},
        {"bad-crowded.epub", FormatText(kBookTooManyEntriesMessage, {int64_t{70'006}})},
    };
    for (const auto& [name, message] : books) {
        DocumentText document;
        EXPECT_FALSE(LoadDocument(document, Book(name), nullptr)) << name;
        EXPECT_EQ(document.loadError, message) << name;
        EXPECT_FALSE(document.HasDocument()) << name;
        EXPECT_TRUE(document.documentPath.empty()) << name;
    }
}

TEST(BooksTest, ItemsReadInPartsAtOnceJoinAsReadInOne) {
    const std::string bytes =
        TempFolder::ReadFile(std::filesystem::path(SORNA_TEST_BOOKS_DIR) / "nav.epub");
    const std::span<const uint8_t> book(reinterpret_cast<const uint8_t*>(bytes.data()),
                                        bytes.size());
    const std::vector<std::string> spine = {
        "OEBPS/Text/chapter 1.xhtml", "OEBPS/Text/chapter 2.xhtml", "OEBPS/Text/chapter 3.xhtml"};
    std::vector<BookText> texts;
    for (const size_t parts : {1, 2, 3}) {
        InflateAllowance allowance(uint64_t{1} << 30);
        std::u16string failure;
        std::optional<BookText> text =
            ReadBookItems(book, allowance, {}, spine, Parting{parts, 1}, failure);
        ASSERT_TRUE(text.has_value()) << parts;
        texts.push_back(std::move(*text));
    }
    for (const BookText& text : texts) {
        EXPECT_EQ(text.Text(), texts[0].Text());
        EXPECT_EQ(text.Headings(), texts[0].Headings());
        for (size_t item = 0; item < spine.size(); ++item) {
            EXPECT_EQ(text.ItemStart(item), texts[0].ItemStart(item));
        }
        EXPECT_EQ(text.IdOffset(1, u"second-half"), texts[0].IdOffset(1, u"second-half"));
    }
    EXPECT_TRUE(texts[0].IdOffset(1, u"second-half").has_value());
    EXPECT_FALSE(texts[0].IdOffset(0, u"second-half").has_value());
}

TEST(BooksTest, OnlyANameThatSaysNothingLetsTheBytesMakeABook) {
    DocumentText document;
    ASSERT_TRUE(LoadDocument(document, Book("nav-renamed.txt"), nullptr));
    EXPECT_EQ(document.kind, DocumentKind::Text);
    const std::span<const uint8_t> zip = {reinterpret_cast<const uint8_t*>("PK\3\4"), 4};
    EXPECT_EQ(KindOfDocument(u"a/BOOK.EPUB", {}), DocumentKind::Book);
    EXPECT_EQ(KindOfDocument(u"a.b/book", zip), DocumentKind::Book);
    EXPECT_EQ(KindOfDocument(u"a.b/book.zip", zip), DocumentKind::Book);
    EXPECT_EQ(KindOfDocument(u"book.cap", zip), DocumentKind::Text);
    EXPECT_EQ(KindOfDocument(u"book.HTM", zip), DocumentKind::Html);
    EXPECT_EQ(KindOfDocument(u"book", zip.first(3)), DocumentKind::Text);
}

TEST(BooksTest, LinksResolveInsideTheBookOnly) {
    const struct {
        std::string_view from;
        std::u16string_view href;
        std::optional<std::string> entry;
        std::u16string_view fragment;
    } links[] = {
        {"OEBPS/content.opf", u"Text/chapter%201.xhtml", "OEBPS/Text/chapter 1.xhtml", u""},
        {"OEBPS/Text/nav.xhtml", u"../c%2F1.xhtml#s%201", "OEBPS/c/1.xhtml", u"s%201"},
        {"OEBPS/Text/nav.xhtml", u"./a/../b.xhtml", "OEBPS/Text/b.xhtml", u""},
        {"OEBPS/c1.xhtml", u"#note", "OEBPS/c1.xhtml", u"note"},
        {"content.opf", u"책 1.xhtml", "책 1.xhtml", u""},
        {"OEBPS/content.opf", u"../../etc/passwd", std::nullopt, u""},
        {"OEBPS/content.opf", u"%2E%2E/%2E%2E/x", std::nullopt, u""},
        {"content.opf", u"/etc/passwd", std::nullopt, u""},
        {"content.opf", u"http://example.com/a.xhtml", std::nullopt, u""},
    };
    for (const auto& link : links) {
        const std::optional<BookTarget> target = ResolveBookLink(link.from, link.href);
        ASSERT_EQ(target.has_value(), link.entry.has_value()) << link.from;
        if (target) {
            EXPECT_EQ(target->entry, *link.entry);
            EXPECT_EQ(target->fragment, link.fragment);
        }
    }
}

}  // namespace
}  // namespace sorna
