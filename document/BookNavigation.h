#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/BookPath.h"

namespace sorna {

// One entry of a book's own table of contents.
struct NavigationEntry {
    int32_t level = 1;  // its depth in the table, 1 for the outermost, at most 3
    std::u16string title;
    BookTarget target;
};

// The table of a navigation document (XHTML), decoded, that stands at the entry `entry`: the
// links of the nested lists of its <nav epub:type="toc">, in order. Links that lead out of the
// book and entries without a title are left out.
std::vector<NavigationEntry> ReadNavigationDocument(std::u16string_view markup,
                                                    std::string_view entry);

// The table of an NCX file, decoded, that stands at the entry `entry`: its navPoints in order,
// nested ones a level deeper, each with the text of its navLabel and its content's src.
std::vector<NavigationEntry> ReadNcx(std::u16string_view markup, std::string_view entry);

}  // namespace sorna
