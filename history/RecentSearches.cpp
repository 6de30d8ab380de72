#include "history/RecentSearches.h"

#include <functional>

namespace sorna {

void RecentSearches::RememberSearch(std::u16string_view text) {
    InsertUniqueAtHead(std::u16string(text), std::equal_to<>(), kLimit);
}

std::u16string RecentSearches::LatestSearch() const {
    return Entries().empty() ? std::u16string() : Entries().front();
}

}  // namespace sorna
