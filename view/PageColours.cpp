#include "view/PageColours.h"

namespace sorna {

PageTheme ThemeOf(int32_t stored) {
    return stored >= 0 && stored < kPageThemeCount ? PageTheme(stored) : PageTheme::User;
}

PageColours ThemeColours(PageTheme theme, uint32_t userText, uint32_t userBack) {
    switch (theme) {
        case PageTheme::Day:  // near-black on white
            return {0x202020, 0xFFFFFF, 0xD8D8D8, 0x808080};
        case PageTheme::Night:  // light grey on near-black, dim enough for a dark room
            return {0xAFAFAF, 0x161616, 0x333333, 0x6A6A6A};
        case PageTheme::Sepia:  // brown ink on warm paper
            return {0x36465B, 0xD8ECF4, 0xB5CEDC, 0x587C9E};
        case PageTheme::User:
            break;
    }
    return {userText, userBack};
}

}  // namespace sorna
