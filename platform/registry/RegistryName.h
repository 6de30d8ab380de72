#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorna {

// The form under which key and value names are compared: case-folded code unit by code unit, so
// "SOFTWARE" and "software" name the same key while each keeps the case it was stored with.
std::u16string FoldRegistryName(std::u16string_view name);

// Whether two names fold alike, without building either folded form.
[[nodiscard]] bool SameRegistryName(std::u16string_view a, std::u16string_view b);

// The sub-key names of a backslash-separated key path. Empty names (from doubled, leading or
// trailing backslashes) are dropped, so the empty path names the root itself.
std::vector<std::u16string> SplitKeyPath(std::u16string_view path);

// Whether the key path below a root can be stored: within the registry's own limits of 512 levels
// and 255 code units a name, which also keep every save of the file small, and each name literal
// text of the file.
[[nodiscard]] bool IsStorableKeyPath(std::span<const std::u16string> names);

}  // namespace sorna
