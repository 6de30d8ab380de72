#include "document/Chapter.h"

#include <algorithm>

namespace sorna {

std::optional<size_t> ChapterAt(std::span<const Chapter> chapters, int32_t offset) {
    const auto after = std::ranges::upper_bound(chapters, offset, {}, &Chapter::offset);
    if (after == chapters.begin()) {
        return std::nullopt;
    }
    return size_t(after - chapters.begin()) - 1;
}

}  // namespace sorna
