#pragma once

#include <cstdint>

namespace sorna {

// The main window's client area as taps see it.
struct TapArea {
    int32_t width = 0;
    int32_t height = 0;
    bool rotated = false;    // the view is turned: thirds run left to right
    bool barOnLeft = false;  // the position bar is on the left edge
    bool dictionaryMode = false;
};

enum class TapAction {
    kNothing,
    kJumpToBar,   // move the view to the bar position under the tap
    kLookUpWord,  // hand the word under the tap to the dictionary
    kPreviousPage,
    kNextPage,
    kToggleFullScreen,
};

// Width of the position-bar strip at the bar's edge, in pixels.
inline constexpr int32_t kBarStripWidth = 6;

// A press jumps on the position bar; anywhere else the page turns on release.
TapAction PressAction(const TapArea& area, int32_t x);

// A release outside the client area does nothing: the press that began it may have been dragged
// off the window.
TapAction ReleaseAction(const TapArea& area, int32_t x, int32_t y);

// A double tap in the middle third toggles full screen; near the left edge it is always ignored.
TapAction DoubleTapAction(const TapArea& area, int32_t x, int32_t y);

}  // namespace sorna
