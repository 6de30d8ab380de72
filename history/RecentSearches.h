#pragma once

#include <string>
#include <string_view>

#include "history/HistoryList.h"

namespace sorna {

// The strings searched for, newest first, each once (compared code unit by code unit).
class RecentSearches : public HistoryList<std::u16string> {
public:
    static constexpr size_t kLimit = 20;

    // Moves text to the head. The find dialog never passes an empty text; it is not checked here.
    void RememberSearch(std::u16string_view text);
    // The head element, or the empty string.
    std::u16string LatestSearch() const;
    void ClearSearches() { Clear(); }

    bool operator==(const RecentSearches&) const = default;
};

}  // namespace sorna
