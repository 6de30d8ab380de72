#include <gtest/gtest.h>

#include "app/InputCommands.h"

namespace sorna {
namespace {

using enum TapAction;

constexpr TapArea kPortrait{240, 300, false, false, false};
constexpr TapArea kRotated{240, 320, true, false, false};
constexpr TapArea kLeftBar{240, 300, false, true, false};

TEST(TapDecision, ReleaseTurnsPagesInTheOuterThirdsOfEitherOrientation) {
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 99), kPreviousPage);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 100), kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 200), kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 201), kNextPage);
    for (const int32_t y : {0, 319}) {  // the rotated view cuts the width; height is irrelevant
        EXPECT_EQ(ReleaseAction(kRotated, 79, y), kPreviousPage);
        EXPECT_EQ(ReleaseAction(kRotated, 80, y), kNothing);
        EXPECT_EQ(ReleaseAction(kRotated, 160, y), kNothing);
        EXPECT_EQ(ReleaseAction(kRotated, 161, y), kNextPage);
    }
}

TEST(TapDecision, DoubleTapTogglesFullScreenStrictlyInsideTheMiddleThird) {
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 100), kNothing);
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 101), kToggleFullScreen);
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 199), kToggleFullScreen);
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 200), kNothing);
    EXPECT_EQ(DoubleTapAction(kRotated, 81, 10), kToggleFullScreen);
    // Near the left edge it is ignored whichever side the bar is on.
    EXPECT_EQ(DoubleTapAction(kPortrait, 3, 150), kNothing);
}

TEST(TapDecision, PositionBarStripJumpsOnPressAndSwallowsRelease) {
    EXPECT_EQ(PressAction(kPortrait, 234), kJumpToBar);
    EXPECT_EQ(PressAction(kPortrait, 233), kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 234, 250), kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 233, 250), kNextPage);
    EXPECT_EQ(PressAction(kRotated, 236), kJumpToBar);
    EXPECT_EQ(PressAction(kLeftBar, 5), kJumpToBar);
    EXPECT_EQ(PressAction(kLeftBar, 6), kNothing);
    EXPECT_EQ(PressAction(kLeftBar, 236), kNothing);
    EXPECT_EQ(ReleaseAction(kLeftBar, 5, 10), kNothing);
    EXPECT_EQ(ReleaseAction(kLeftBar, 6, 10), kPreviousPage);
}

TEST(TapDecision, DictionaryModeAndReleasesOffTheWindowTurnNoPage) {
    const TapArea dictionary{240, 300, false, false, true};
    EXPECT_EQ(ReleaseAction(dictionary, 120, 250), kLookUpWord);
    EXPECT_EQ(ReleaseAction(dictionary, 236, 250), kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, -1), kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 300), kNothing);
    EXPECT_EQ(ReleaseAction(kRotated, 240, 10), kNothing);
}

}  // namespace
}  // namespace sorna
