#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "resources/CommandIds.h"

namespace sorna {

enum class MenuItemKind { kCommand, kSeparator, kPopup };

// One entry of the main menu: a command (a menu item, or a button on the bar itself), a separator,
// or a popup with items of its own.
struct MenuItem {
    MenuItemKind kind = MenuItemKind::kCommand;
    std::u16string_view text;
    CommandId id = 0;                 // commands only
    bool grayed = false;              // shown but never chosen
    std::span<const MenuItem> items;  // popups only
};

constexpr MenuItem MenuCommand(std::u16string_view text, CommandId id) {
    return {MenuItemKind::kCommand, text, id, false, {}};
}
constexpr MenuItem MenuSeparator() {
    return {MenuItemKind::kSeparator, {}, 0, false, {}};
}
constexpr MenuItem MenuPopup(std::u16string_view text, std::span<const MenuItem> items) {
    return {MenuItemKind::kPopup, text, 0, false, items};
}

// "최근파일" is filled from the recent-file list each time it opens.
inline constexpr MenuItem kMainPopupItems[] = {
    MenuCommand(u"열기...", IDM_OPEN),
    MenuCommand(u"닫기", IDM_CLOSE),
    MenuPopup(u"최근파일", {}),
    MenuCommand(u"환경설정...", IDM_SETTINGS),
    MenuCommand(u"찾기...", IDM_FIND),
    MenuCommand(u"다음 찾기", IDM_FIND_NEXT),
    MenuCommand(u"이전 찾기", IDM_FIND_PREVIOUS),
    MenuSeparator(),
    MenuCommand(u"정보", IDM_ABOUT),
    MenuCommand(u"끝내기", IDM_EXIT),
};

// The theme in use is checked.
inline constexpr MenuItem kThemePopupItems[] = {
    MenuCommand(u"사용자", IDM_THEME_USER),
    MenuCommand(u"낮", IDM_THEME_DAY),
    MenuCommand(u"밤", IDM_THEME_NIGHT),
    MenuCommand(u"세피아", IDM_THEME_SEPIA),
};

// Checked while dictionary mode, the rotated view and each reading aid are on. "인코딩" is filled
// with the encodings each time it opens.
inline constexpr MenuItem kViewPopupItems[] = {
    MenuCommand(u"전체화면", IDM_FULLSCREEN),
    MenuCommand(u"영어사전사용", IDM_USE_DICTIONARY),
    MenuCommand(u"돌려보기", IDM_ROTATE),
    MenuSeparator(),
    MenuCommand(u"진행률 표시", IDM_SHOW_PERCENT),
    MenuCommand(u"줄바꿈 규칙", IDM_LINE_BREAK_RULES),
    MenuCommand(u"줄 길이 제한", IDM_LIMIT_LINE_LENGTH),
    MenuCommand(u"문단 잇기", IDM_JOIN_LINES),
    MenuCommand(u"양쪽 정렬", IDM_JUSTIFY),
    MenuSeparator(),
    MenuPopup(u"테마", kThemePopupItems),
    MenuPopup(u"인코딩", {}),
};

// The bookmarks follow the separator, rebuilt from the list each time the popup opens.
inline constexpr MenuItem kBookPopupItems[] = {
    MenuCommand(u"목차...", IDM_CHAPTERS),
    MenuCommand(u"이동...", IDM_GO_TO),
    MenuCommand(u"다음 장", IDM_NEXT_CHAPTER),
    MenuCommand(u"이전 장", IDM_PREVIOUS_CHAPTER),
    MenuCommand(u"뒤로", IDM_BACK),
    MenuCommand(u"앞으로", IDM_FORWARD),
    MenuSeparator(),
    MenuCommand(u"책갈피에 추가", IDM_BOOKMARK_ADD),
    MenuCommand(u"책갈피 편집...", IDM_BOOKMARK_EDIT),
    MenuCommand(u"책갈피 목록 지우기", IDM_BOOKMARK_CLEAR),
    MenuSeparator(),
};

// The menu bar at the bottom of the window, left to right.
inline constexpr MenuItem kMenuBar[] = {
    MenuPopup(u"메뉴", kMainPopupItems),  MenuPopup(u"보기", kViewPopupItems),
    MenuPopup(u"책", kBookPopupItems),    {MenuItemKind::kCommand, u"|", IDM_DIVIDER, true, {}},
    MenuCommand(u"자동", IDM_AUTOSCROLL), MenuCommand(u"열기", IDM_OPEN),
    MenuCommand(u" ▲ ", IDM_PAGE_UP),     MenuCommand(u" ▼ ", IDM_PAGE_DOWN),
};

// Where the run-time items go.
inline constexpr size_t kRecentFilesPosition = 2;     // the submenu inside "메뉴"
inline constexpr size_t kFirstBookmarkPosition = 11;  // inside "책", after the second separator
inline constexpr size_t kEncodingsPosition = 11;      // the submenu inside "보기"

// Appended to "최근파일" after the recent files and a separator.
inline constexpr MenuItem kRecentClearItem =
    MenuCommand(u"최근 파일 목록 지우기", IDM_RECENT_CLEAR);

}  // namespace sorna
