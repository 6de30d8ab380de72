#include <gtest/gtest.h>

#include "app/TapDecision.h"

namespace sorna {
namespace {

constexpr TapArea kPortrait{240, 300, false, false, false};
constexpr TapArea kRotated{240, 320, true, false, false};

TEST(TapDecision, ReleaseCutsTheHeightIntoThirds) {
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 0), TapAction::kPreviousPage);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 99), TapAction::kPreviousPage);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 100), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 150), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 200), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 201), TapAction::kNextPage);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 299), TapAction::kNextPage);
    // Integer division: 301 / 3 = 100 and 602 / 3 = 200.
    const TapArea odd{240, 301, false, false, false};
    EXPECT_EQ(ReleaseAction(odd, 120, 99), TapAction::kPreviousPage);
    EXPECT_EQ(ReleaseAction(odd, 120, 201), TapAction::kNextPage);
}

TEST(TapDecision, RotatedReleaseCutsTheWidthAndIgnoresHeight) {
    for (const int32_t y : {0, 150, 319}) {
        EXPECT_EQ(ReleaseAction(kRotated, 79, y), TapAction::kPreviousPage);
        EXPECT_EQ(ReleaseAction(kRotated, 80, y), TapAction::kNothing);
        EXPECT_EQ(ReleaseAction(kRotated, 160, y), TapAction::kNothing);
        EXPECT_EQ(ReleaseAction(kRotated, 161, y), TapAction::kNextPage);
    }
}

TEST(TapDecision, DoubleTapTogglesFullScreenInsideTheMiddleThirdOnly) {
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 100), TapAction::kNothing);
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 101), TapAction::kToggleFullScreen);
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 199), TapAction::kToggleFullScreen);
    EXPECT_EQ(DoubleTapAction(kPortrait, 120, 200), TapAction::kNothing);
    EXPECT_EQ(DoubleTapAction(kRotated, 81, 10), TapAction::kToggleFullScreen);
    EXPECT_EQ(DoubleTapAction(kRotated, 80, 160), TapAction::kNothing);
    // Near the left edge it is ignored whichever side the bar is on.
    EXPECT_EQ(DoubleTapAction(kPortrait, 3, 150), TapAction::kNothing);
    EXPECT_EQ(DoubleTapAction(kRotated, 5, 150), TapAction::kNothing);
}

TEST(TapDecision, BarStripOnTheRight) {
    EXPECT_EQ(PressAction(kPortrait, 234), TapAction::kJumpToBar);
    EXPECT_EQ(PressAction(kPortrait, 239), TapAction::kJumpToBar);
    EXPECT_EQ(PressAction(kPortrait, 233), TapAction::kNothing);
    EXPECT_EQ(PressAction(kPortrait, 2), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 234, 250), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 233, 250), TapAction::kNextPage);
    // The strip is tested on x in the rotated view as well.
    EXPECT_EQ(PressAction(kRotated, 236), TapAction::kJumpToBar);
    EXPECT_EQ(ReleaseAction(kRotated, 236, 10), TapAction::kNothing);
}

TEST(TapDecision, BarStripOnTheLeft) {
    const TapArea left{240, 300, false, true, false};
    EXPECT_EQ(PressAction(left, 5), TapAction::kJumpToBar);
    EXPECT_EQ(PressAction(left, 6), TapAction::kNothing);
    EXPECT_EQ(PressAction(left, 236), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(left, 5, 10), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(left, 6, 10), TapAction::kPreviousPage);
    EXPECT_EQ(ReleaseAction(left, 236, 250), TapAction::kNextPage);
}

TEST(TapDecision, DictionaryModeLooksUpInsteadOfTurning) {
    const TapArea dictionary{240, 300, false, false, true};
    EXPECT_EQ(ReleaseAction(dictionary, 120, 250), TapAction::kLookUpWord);
    EXPECT_EQ(ReleaseAction(dictionary, 120, 10), TapAction::kLookUpWord);
    EXPECT_EQ(ReleaseAction(dictionary, 236, 250), TapAction::kNothing);
    EXPECT_EQ(PressAction(dictionary, 236), TapAction::kJumpToBar);
}

TEST(TapDecision, ReleaseDraggedOffTheWindowDoesNothing) {
    EXPECT_EQ(ReleaseAction(kPortrait, 120, -1), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, 120, 300), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kPortrait, -3, 250), TapAction::kNothing);
    EXPECT_EQ(ReleaseAction(kRotated, 240, 10), TapAction::kNothing);
    // An empty client area takes no tap at all.
    const TapArea empty{0, 0, false, false, false};
    EXPECT_EQ(ReleaseAction(empty, 0, 0), TapAction::kNothing);
}

}  // namespace
}  // namespace sorna
