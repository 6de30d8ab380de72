#pragma once

#include <cstdint>

namespace sorna {

// The colours of a page (0x00BBGGRR): its text and paper, and the position bar's gauge and the
// share of it that is filled.
struct PageColours {
    uint32_t text = 0xFFFFFF;
    uint32_t back = 0x000000;
    uint32_t bar = 0x505050;
    uint32_t barFill = 0xC0FFC0;

    bool operator==(const PageColours&) const = default;
};

// The themes of the 테마 menu, by their stored number: the user's own two colours, day, night
// and sepia.
enum class PageTheme : int32_t { User = 0, Day = 1, Night = 2, Sepia = 3 };
inline constexpr int32_t kPageThemeCount = 4;

// The theme a stored number stands for; a number no theme has (a hand-edited one) is the user's
// own colours.
PageTheme ThemeOf(int32_t stored);

// A theme's colours; the user's are their text and paper with the bar's own colours.
PageColours ThemeColours(PageTheme theme, uint32_t userText, uint32_t userBack);

}  // namespace sorna
