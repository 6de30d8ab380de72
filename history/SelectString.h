#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sorna {

// The entry a drop-down list selects for a text, as the list's own search does: the first entry,
// from the one after `after` to the end and then from the start up to `after` itself, whose text
// begins with `prefix`, letter case ignored. Without `after` the list is searched from its start.
// An empty prefix begins every text.
std::optional<size_t> SelectString(std::span<const std::u16string> entries,
                                   std::u16string_view prefix, std::optional<size_t> after);

}  // namespace sorna
