#include "platform/DialogPresentation.h"

#include <algorithm>

namespace sorna {

bool OpensFullScreen(bool mainWindowFullScreen, int32_t screenWidth, int32_t screenHeight) {
    return mainWindowFullScreen || std::min(screenWidth, screenHeight) < kPocketScreenSide;
}

}  // namespace sorna
