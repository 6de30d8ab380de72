#include "platform/DialogPresentation.h"

#include <gtest/gtest.h>

namespace sorna {
namespace {

TEST(DialogPresentation, FullScreenOverAFullScreenWindowOrOnAPocketScreen) {
    EXPECT_TRUE(OpensFullScreen(true, 1920, 1080));
    EXPECT_FALSE(OpensFullScreen(false, 800, 600));
    EXPECT_TRUE(OpensFullScreen(false, 360, 720));
    EXPECT_TRUE(OpensFullScreen(false, 720, 360));
}

}  // namespace
}  // namespace sorna
