#pragma once

#include <optional>
#include <string_view>

#include "history/HistoryEntry.h"
#include "history/HistoryList.h"

namespace sorna {

// The documents read lately, newest first, each path once (compared code unit by code unit),
// with the reading position where each was left.
class RecentFiles : public HistoryList<HistoryEntry> {
public:
    static constexpr size_t kLimit = 30;

    // Moves path to the head with position; an empty path is ignored.
    void RememberFile(std::u16string_view path, int32_t position);
    // The position of the first entry for path, from the head.
    std::optional<int32_t> FindRecentPosition(std::u16string_view path) const;
    // The head entry's path, or the empty string.
    std::u16string MostRecentFile() const;
    void ClearRecentFiles() { Clear(); }

    bool operator==(const RecentFiles&) const = default;
};

}  // namespace sorna
