#pragma once

#include <optional>
#include <string_view>

namespace sorna {

// Offset of the first occurrence of `word` in `text` with letter case ignored, or none. Each
// code unit is folded on its own (simple case folding), so the match keeps the length of
// `word`; Hangul has no case and matches exactly. The whole of `text` is searched, NULs included.
std::optional<size_t> FindNoCase(std::u16string_view text, std::u16string_view word);

}  // namespace sorna
