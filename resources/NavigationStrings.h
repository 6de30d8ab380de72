#pragma once

#include <string_view>

namespace sorna {

// The texts of the chapter list, the go-to dialog and finding every occurrence.

inline constexpr std::u16string_view kChaptersCaption = u"목차";
inline constexpr std::u16string_view kNoChaptersText = u"이 문서에는 목차가 없습니다.";
// A chapter's level shows as this much indent before its title, once for each level below the
// first.
inline constexpr std::u16string_view kChapterIndent = u"\u3000";

inline constexpr std::u16string_view kGoToCaption = u"이동";
inline constexpr std::u16string_view kGoToButton = u"이동";
// The page the reader is on and the count of pages, then how to say where to go.
inline constexpr std::u16string_view kGoToPrompt = u"%s / %s쪽\n쪽 번호나 백분율 (예: 123, 37%%)";

inline constexpr std::u16string_view kFindIgnoreSpacing = u"띄어쓰기 무시";
inline constexpr std::u16string_view kFindAllButton = u"모두 찾기";
inline constexpr std::u16string_view kFindAllSearching = u"찾는 중... %s개";
inline constexpr std::u16string_view kFindAllCount = u"모두 %s개";
// More were found than the list holds.
inline constexpr std::u16string_view kFindAllCountMore =
    u"모두 %s개 (처음 %s개만 보입니다. %s개 더)";
inline constexpr std::u16string_view kFindAllNone = u"찾는 말이 없습니다.";

}  // namespace sorna
