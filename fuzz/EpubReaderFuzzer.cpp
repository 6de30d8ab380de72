// Any bytes as an EPUB book: reading must give a terminated text whose chapters lie inside it in
// its order, or fail with a message and no text, within the inflation allowance. The same bytes as
// each of a book's XML files (container, package, navigation document, NCX, encryption list) and
// as an item added to a book's text: the readers must stay inside them, every link they give
// must stay inside the book, and an item's ids must lie inside the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/BookEncryption.h"
#include "document/BookNavigation.h"
#include "document/BookPackage.h"
#include "document/BookText.h"
#include "document/DecodeBook.h"
#include "document/MarkupEncoding.h"

namespace {

bool ReadsSoundly(std::span<const uint8_t> bytes) {
    sorna::DocumentText document;
    if (!sorna::DecodeBook(document, bytes, nullptr)) {
        return !document.HasDocument() && !document.loadError.empty();
    }
    const std::vector<sorna::Chapter>& chapters = *document.chapters;
    return document.text[size_t(document.length)] == 0 &&
           std::ranges::is_sorted(chapters, {}, &sorna::Chapter::offset) &&
           (chapters.empty() ||
            (chapters.front().offset >= 0 && chapters.back().offset <= document.length));
}

bool InsideTheBook(const std::string& entry) {
    return !entry.starts_with('/') && ("/" + entry + "/").find("/../") == std::string::npos;
}

bool MarkupReadsSoundly(std::span<const uint8_t> bytes) {
    const std::u16string markup = sorna::DecodeMarkup(bytes);
    static_cast<void>(sorna::PackagePath(markup));
    const sorna::BookPackage package = sorna::ReadPackage(markup, "OEBPS/content.opf");
    bool inside = std::ranges::all_of(package.spine, InsideTheBook) &&
                  InsideTheBook(package.navigation) && InsideTheBook(package.ncx);
    for (const auto& table : {sorna::ReadNavigationDocument(markup, "OEBPS/nav.xhtml"),
                              sorna::ReadNcx(markup, "toc.ncx")}) {
        inside = inside && std::ranges::all_of(table, [](const sorna::NavigationEntry& entry) {
                     return InsideTheBook(entry.target.entry) && entry.level >= 1 &&
                            entry.level <= 3 && !entry.title.empty();
                 });
    }
    inside = inside && std::ranges::all_of(sorna::EncryptedEntries(markup), InsideTheBook);
    sorna::BookText text;
    return inside && text.Append(bytes) && text.Append(bytes) &&
           std::ranges::all_of(text.Headings(), [&text](const sorna::Chapter& heading) {
               return heading.offset >= 0 && size_t(heading.offset) <= text.Text().size();
           });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    if (!ReadsSoundly(bytes) || !MarkupReadsSoundly(bytes)) {
        __builtin_trap();
    }
    return 0;
}
