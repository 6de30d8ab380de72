#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorna {

// What a book's package document lists: its reading order and where its contents are.
struct BookPackage {
    std::vector<std::string> spine;  // entry names of the items in reading order
    std::string navigation;          // the entry of the navigation document, or empty
    std::string ncx;                 // the entry of the older table of contents, or empty
    // Set when the book cannot be read as it says: the first link that leads out of the book, and
    // the first item of the reading order that the manifest does not list.
    std::u16string linkOutside;
    std::u16string unlistedItem;
};

// The package document's path ("full-path" of the first rootfile) in META-INF/container.xml, as
// written; none when the container names none.
std::optional<std::u16string> PackagePath(std::u16string_view container);

// Reads the package document `package`, decoded, that stands at the entry `entry`: its links are
// resolved against that entry's folder. The navigation document is the item marked "nav"; the
// older table of contents is the one the spine's "toc" names, else the manifest's NCX item.
BookPackage ReadPackage(std::u16string_view package, std::string_view entry);

}  // namespace sorna
