#pragma once

#include <string_view>

namespace sorna {

// Shown while the document is broken into display lines.
inline constexpr std::u16string_view kLayoutProgressText = u"정렬중..";

// The page's one line while no document is open.
inline constexpr std::u16string_view kOpenDocumentHint =
    u"열기 버튼이나 Ctrl+O로 문서를 여세요. 파일을 끌어 놓아도 됩니다.";

// The percentage read, drawn below the text when asked for.
inline constexpr std::u16string_view kPercentPattern = u"%.1f%%";

// The face the view starts with, before the settings are applied.
inline constexpr std::u16string_view kDefaultViewFace = u"굴림";

}  // namespace sorna
