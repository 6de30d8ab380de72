#pragma once

#include <string_view>

namespace sorna {

// Shown while the document is broken into display lines.
inline constexpr std::u16string_view kLayoutProgressText = u"정렬중..";

// The face the view starts with, before the settings are applied.
inline constexpr std::u16string_view kDefaultViewFace = u"굴림";

}  // namespace sorna
