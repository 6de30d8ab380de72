#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "document/Chapter.h"

namespace sorna {

// The text of a book: its items turned from XHTML into plain text one after the other, a
// paragraph break between two, with where each item begins, where its elements with an id begin
// and its h1 to h3 headings. A run of items may be put together apart and added after the items
// before it.
class BookText {
public:
    // Adds an item's bytes, read as PlanMarkupDecoding says; false, adding nothing, when the text
    // would grow past 32-bit positions or no memory can be had for it.
    [[nodiscard]] bool Append(std::span<const uint8_t> item);
    // Adds the items of `next`, which follow these, moving its offsets past this text; false,
    // adding nothing, as Append.
    [[nodiscard]] bool Append(const BookText& next);

    [[nodiscard]] int32_t ItemStart(size_t item) const { return starts_[item]; }
    // Where the element of the item with the id begins in the text; none when the item has no
    // such id.
    [[nodiscard]] std::optional<int32_t> IdOffset(size_t item, const std::u16string& id) const;
    [[nodiscard]] const std::vector<Chapter>& Headings() const { return headings_; }
    [[nodiscard]] std::u16string_view Text() const { return {text_.get(), length_}; }
    // The text's buffer, terminated at its length; the book text is then empty of text.
    std::unique_ptr<char16_t[]> TakeText();

private:
    // Room for `units` more units and a terminator after a paragraph break; where they go, or
    // none.
    std::optional<size_t> MakeRoom(size_t units);

    std::unique_ptr<char16_t[]> text_;
    size_t length_ = 0;
    size_t capacity_ = 0;
    std::vector<int32_t> starts_;
    std::map<std::pair<size_t, std::u16string>, int32_t> ids_;
    std::vector<Chapter> headings_;
};

}  // namespace sorna
