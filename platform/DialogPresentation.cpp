#include "platform/DialogPresentation.h"

#include <algorithm>

namespace sorna {

bool IsPocketScreen(int32_t screenWidth, int32_t screenHeight) {
    return std::min(screenWidth, screenHeight) < kPocketScreenSide;
}

bool OpensFullScreen(bool mainWindowFullScreen, int32_t screenWidth, int32_t screenHeight) {
    return mainWindowFullScreen || IsPocketScreen(screenWidth, screenHeight);
}

}  // namespace sorna
