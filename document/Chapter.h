#pragma once

#include <cstdint>
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

}  // namespace sorna
