#pragma once

#include <string_view>

namespace sorna {

// Button texts that several dialogs share.

inline constexpr std::u16string_view kCloseButton = u"닫기";
inline constexpr std::u16string_view kResetButton = u"초기화";

}  // namespace sorna
