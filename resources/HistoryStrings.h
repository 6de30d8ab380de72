#pragma once

#include <string_view>

namespace sorna {

// The texts of the find dialog and the two bookmark dialogs.

inline constexpr std::u16string_view kFindCaption = u"찾기";
inline constexpr std::u16string_view kFindIgnoreCase = u"대소문자 무시";
inline constexpr std::u16string_view kFindClearList = u"목록지우기";
inline constexpr std::u16string_view kFindButton = u"찾기";
inline constexpr std::u16string_view kEnterWordMessage = u"단어를 입력해 주세요";

inline constexpr std::u16string_view kAddBookmarkCaption = u"책갈피 추가";
inline constexpr std::u16string_view kAddBookmarkButton = u"추가";

inline constexpr std::u16string_view kEditBookmarksCaption = u"책갈피 편집";
inline constexpr std::u16string_view kBookmarkFileColumn = u"파일";
inline constexpr std::u16string_view kBookmarkLabelColumn = u"설명";
inline constexpr std::u16string_view kDeleteBookmarksButton = u"삭제";
}  // namespace sorna
