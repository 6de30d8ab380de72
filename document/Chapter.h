#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace sorna {

// One entry of a document's list of contents (목차).
struct Chapter {
    // The code unit of the text where the heading's line (for HTML, its text) begins.
    int32_t offset = 0;
    int32_t level = 1;     // 1 (a part or book) to 3
    std::u16string title;  // the heading's text, without white space at its ends

    bool operator==(const Chapter&) const = default;
};

// The chapter that holds `offset` among chapters in the order of the text: the last one that
// starts at or before it; none before the first.
std::optional<size_t> ChapterAt(std::span<const Chapter> chapters, int32_t offset);

}  // namespace sorna
