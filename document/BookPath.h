#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorna {

// Where a link inside a book leads: the name of an entry of the book's archive and the id after
// "#" (empty when there is none).
struct BookTarget {
    std::string entry;
    std::u16string fragment;
};

// The link `href` (URL-encoded, "%20" for a space) read from the entry `from`, resolved against
// that entry's folder: "." and ".." steps are taken and the result names an entry from the
// archive's root. None for a link that climbs above the root, starts at "/" or names a scheme
// ("http:"), so that no link can reach past the book.
std::optional<BookTarget> ResolveBookLink(std::string_view from, std::u16string_view href);

}  // namespace sorna
