#pragma once

#include <optional>
#include <string_view>

namespace sorna {

// The value of the attribute `name` (ASCII, matched in any letter case) in a tag's inner text,
// as written: without its quotes, character references left as they are. A name counts only
// where white space comes before it, so "id" is not found in "xml:id". None when the tag does not
// have it.
std::optional<std::u16string_view> TagAttribute(std::u16string_view tag, std::string_view name);

// The element name of a tag's inner text without a leading "/", a namespace prefix ("opf:") or a
// trailing "/": "item" for "opf:item id='x'/".
std::u16string_view TagName(std::u16string_view tag);

// Whether a tag's inner text is an end tag ("/p").
[[nodiscard]] bool IsEndTag(std::u16string_view tag);

}  // namespace sorna
