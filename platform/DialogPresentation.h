#pragma once

#include <cstdint>

namespace sorna {

// Screens whose shorter side is below this many logical pixels are a phone's.
inline constexpr int32_t kPocketScreenSide = 600;

// On a phone's screen no button is smaller than this many logical pixels either way, so that a
// fingertip finds it.
inline constexpr int32_t kFingerSide = 32;

[[nodiscard]] bool IsPocketScreen(int32_t screenWidth, int32_t screenHeight);

// Whether a dialog that may cover the screen does: when the main window is full screen, and on a
// pocket-sized screen, where a dialog sized to its content would not leave room for anything
// else anyway. Elsewhere it opens as an ordinary dialog sized to its content.
[[nodiscard]] bool OpensFullScreen(bool mainWindowFullScreen, int32_t screenWidth,
                                   int32_t screenHeight);

}  // namespace sorna
