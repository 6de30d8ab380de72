#pragma once

#include <cstdint>
#include <string>

namespace sorna {

// One recent file or bookmark: the document's full path, the reading position (code-unit offset
// of the top line's first character, -1 when nothing was laid out) and, for bookmarks, a label.
struct HistoryEntry {
    std::u16string path;
    int32_t position = -1;
    std::u16string label;

    bool operator==(const HistoryEntry&) const = default;
};

}  // namespace sorna
