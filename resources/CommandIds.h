#pragma once

#include <cstdint>

namespace sorna {

// The id carried by a command posted to the main window. Menus, menu-bar buttons, accelerators,
// taps and hardware keys all end up as one of these.
using CommandId = uint16_t;

inline constexpr CommandId IDM_ALT_F4 = 40002;  // accelerator with no handler: Alt+F4 is swallowed
inline constexpr CommandId IDM_ALT_SLASH = 40003;  // accelerator with no handler
inline constexpr CommandId IDM_EXIT = 40005;
inline constexpr CommandId IDM_LINE_UP = 40006;
inline constexpr CommandId IDM_LINE_DOWN = 40007;
inline constexpr CommandId IDM_OPEN = 40008;
inline constexpr CommandId IDM_PAGE_DOWN = 40009;
inline constexpr CommandId IDM_PAGE_UP = 40010;
inline constexpr CommandId IDM_ABOUT = 40011;
inline constexpr CommandId IDM_SETTINGS = 40023;
inline constexpr CommandId IDM_RECENT_CLEAR = 40024;
inline constexpr CommandId IDM_FIND = 40025;
inline constexpr CommandId IDM_FULLSCREEN = 40027;
inline constexpr CommandId IDM_USE_DICTIONARY = 40028;
inline constexpr CommandId IDC_NONE = 40029;
inline constexpr CommandId IDM_AUTOSCROLL = 40030;
inline constexpr CommandId IDM_DIVIDER = 40032;  // the greyed "|" on the menu bar
inline constexpr CommandId IDM_ROTATE = 40033;
inline constexpr CommandId IDM_KEY_LEFT = 40034;
inline constexpr CommandId IDM_KEY_RIGHT = 40036;
inline constexpr CommandId IDM_KEY_UP = 40037;
inline constexpr CommandId IDM_KEY_DOWN = 40038;
inline constexpr CommandId IDM_BOOKMARK_EDIT = 40040;
inline constexpr CommandId IDM_BOOKMARK_ADD = 40041;
inline constexpr CommandId IDM_RECENT_00 = 40050;  // IDM_RECENT_00 + n opens recent file n
inline constexpr CommandId IDM_RECENT_LAST = 40069;
inline constexpr CommandId IDM_BOOKMARK_00 = 40100;  // IDM_BOOKMARK_00 + n goes to bookmark n
inline constexpr CommandId IDM_BOOKMARK_LAST = 40119;
inline constexpr CommandId IDM_BOOKMARK_CLEAR = 40200;
inline constexpr CommandId IDM_CLOSE = 40201;
// Reached by desktop keys only.
inline constexpr CommandId IDM_FIRST_PAGE = 40202;
inline constexpr CommandId IDM_LAST_PAGE = 40203;
inline constexpr CommandId IDM_LEAVE_FULLSCREEN = 40204;
// The reading aids of the 보기 menu, each switching one setting.
inline constexpr CommandId IDM_SHOW_PERCENT = 40205;
inline constexpr CommandId IDM_LINE_BREAK_RULES = 40206;
inline constexpr CommandId IDM_LIMIT_LINE_LENGTH = 40207;
inline constexpr CommandId IDM_JOIN_LINES = 40208;
// Finding one's way in a long document: chapters, pages, the last search again, and the places
// the reader jumped from.
inline constexpr CommandId IDM_CHAPTERS = 40209;
inline constexpr CommandId IDM_NEXT_CHAPTER = 40210;
inline constexpr CommandId IDM_PREVIOUS_CHAPTER = 40211;
inline constexpr CommandId IDM_GO_TO = 40212;
inline constexpr CommandId IDM_FIND_NEXT = 40213;
inline constexpr CommandId IDM_FIND_PREVIOUS = 40214;
inline constexpr CommandId IDM_BACK = 40215;
inline constexpr CommandId IDM_FORWARD = 40216;
inline constexpr CommandId IDM_JUSTIFY = 40217;
// "인코딩": the automatic decision, then IDM_ENCODING_AUTO + 1 + n reads the document in the
// encoding n of the table of encodings that can be chosen.
inline constexpr CommandId IDM_ENCODING_AUTO = 40220;
inline constexpr CommandId IDM_ENCODING_LAST = 40239;
// "테마": IDM_THEME_USER + n shows the page in theme n (the user's colours, day, night, sepia).
inline constexpr CommandId IDM_THEME_USER = 40240;
inline constexpr CommandId IDM_THEME_DAY = 40241;
inline constexpr CommandId IDM_THEME_NIGHT = 40242;
inline constexpr CommandId IDM_THEME_SEPIA = 40243;

}  // namespace sorna
