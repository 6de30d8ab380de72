#pragma once

#include <string_view>

namespace sorna {

// The application name and the reason the desktop shows for keeping the screen awake.
inline constexpr std::u16string_view kIdleInhibitApplication = u"Sorna";
inline constexpr std::u16string_view kIdleInhibitReason = u"자동읽기 중";

}  // namespace sorna
