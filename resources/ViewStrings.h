#pragma once

#include <string_view>

namespace sorna {

// Shown while the document is broken into display lines.
inline constexpr std::u16string_view kLayoutProgressText = u"정렬중..";

// The page's one line while no document is open.
inline constexpr std::u16string_view kOpenDocumentHint =
    u"열기 버튼이나 Ctrl+O로 문서를 여세요. 파일을 끌어 놓아도 됩니다.";

// The page, the count of pages and the percentage read, drawn below the text when asked for:
// "123 / 4,567쪽 · 37.2%". The chapter's title goes before them, parted by kFooterSeparator.
inline constexpr std::u16string_view kPageFiguresPattern = u"%s / %s쪽 · %.1f%%";
// The same while the document is still being read: its pages are not counted yet.
inline constexpr std::u16string_view kEstimatedPercentPattern = u"약 %.1f%%";
inline constexpr std::u16string_view kFooterSeparator = u" · ";

// The face the view starts with, before the settings are applied.
inline constexpr std::u16string_view kDefaultViewFace = u"굴림";

}  // namespace sorna
