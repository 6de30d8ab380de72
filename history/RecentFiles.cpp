#include "history/RecentFiles.h"

namespace sorna {

void RecentFiles::RememberFile(std::u16string_view path, int32_t position) {
    if (path.empty()) {
        return;
    }
    const auto samePath = [](const HistoryEntry& a, const HistoryEntry& b) {
        return a.path == b.path;
    };
    InsertUniqueAtHead(HistoryEntry{std::u16string(path), position, {}}, samePath, kLimit);
}

std::optional<int32_t> RecentFiles::FindRecentPosition(std::u16string_view path) const {
    for (const HistoryEntry& entry : Entries()) {
        if (entry.path == path) {
            return entry.position;
        }
    }
    return std::nullopt;
}

std::u16string RecentFiles::MostRecentFile() const {
    return Entries().empty() ? std::u16string() : Entries().front().path;
}

}  // namespace sorna
