#include <gtest/gtest.h>

#include "app/ShellTexts.h"
#include "platform/DialogPresentation.h"

namespace sorna {
namespace {

TEST(AboutDateText, KeepsTheBlankThatPadsTheDay) {
    EXPECT_EQ(AboutDateText("Apr  6 2006"), u"( Apr  6 2006 )");
}

TEST(DialogPresentation, FullScreenOnAFullScreenWindowOrAPhone) {
    EXPECT_TRUE(OpensFullScreen(true, 1920, 1080));
    EXPECT_FALSE(OpensFullScreen(false, 1920, 1080));
    EXPECT_FALSE(OpensFullScreen(false, 800, 600));
    EXPECT_TRUE(OpensFullScreen(false, 360, 720));
    EXPECT_TRUE(OpensFullScreen(false, 720, 360));
}

}  // namespace
}  // namespace sorna
