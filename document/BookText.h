#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "document/Chapter.h"

namespace sorna {

// The text of a book: its items turned from XHTML into plain text one after the other, a
// paragraph break between two, with where each item begins, where its elements with an id begin
// and its h1 to h3 headings.
class BookText {
public:
    // Adds an item's bytes, read as PlanMarkupDecoding says; false, adding nothing, when the text
    // would grow past 32-bit positions.
    [[nodiscard]] bool Append(std::span<const uint8_t> item);

    [[nodiscard]] int32_t ItemStart(size_t item) const { return starts_[item]; }
    // Where the element of the item with the id begins in the text; none when the item has no such
    // id.
    [[nodiscard]] std::optional<int32_t> IdOffset(size_t item, const std::u16string& id) const;
    [[nodiscard]] const std::vector<Chapter>& Headings() const { return headings_; }
    [[nodiscard]] const std::u16string& Text() const { return text_; }

private:
    std::u16string text_;
    std::vector<int32_t> starts_;
    std::map<std::pair<size_t, std::u16string>, int32_t> ids_;
    std::vector<Chapter> headings_;
};

}  // namespace sorna
