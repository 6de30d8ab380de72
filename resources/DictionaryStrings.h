#pragma once

#include <string_view>

namespace sorna {

// What the dictionary launch tells the user, under the product name as caption, when the
// dictionary program cannot be started.

inline constexpr std::u16string_view kDictionaryMissingMessage =
    u"사전(Lexo)이 설치되지 않았거나 경로가 바르지 않습니다.";

}  // namespace sorna
