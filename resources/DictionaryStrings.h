#pragma once

#include <string_view>

namespace sorna {

// What the dictionary launch tells the user, under the product name as caption, when the
// dictionary program cannot be started.

inline constexpr std::u16string_view kDictionaryMissingMessage =
    u"사전 프로그램이 설치되지 않았거나 경로가 바르지 않습니다.";

// The dictionary program a new reader runs: one of this desktop's, found on PATH, which looks up
// the word it is given.
inline constexpr std::u16string_view kDefaultDictionaryProgram = u"goldendict";
// A Windows path that stored settings may hold, which names no program here; it is read as the
// default above.
inline constexpr std::u16string_view kWindowsDictionaryPath = u"\\Program Files\\Lexo\\Lexo.exe";

}  // namespace sorna
