#include <gtest/gtest.h>

#include <vector>

#include "app/InputCommands.h"

namespace sorna {
namespace {

std::vector<int32_t> Turn(WheelLineSteps& steps, const std::vector<int32_t>& deltas,
                          int32_t linesPerNotch) {
    std::vector<int32_t> lines;
    for (const int32_t delta : deltas) {
        lines.push_back(steps.Add(delta, linesPerNotch));
    }
    return lines;
}

TEST(WheelLineSteps, NotchesStepTheDesktopsLinesTowardsTheUserForward) {
    WheelLineSteps steps;
    EXPECT_EQ(Turn(steps, {-120, -120, 120, -240}, 3), (std::vector<int32_t>{3, 3, -3, 6}));
    EXPECT_EQ(Turn(steps, {-120, 120}, 1), (std::vector<int32_t>{1, -1}));
}

TEST(WheelLineSteps, FineDeltasAddUpWithoutLossOrDoubleCounting) {
    WheelLineSteps steps;
    // Ten touchpad deltas of a tenth of a notch make one notch: three lines, one at a time.
    EXPECT_EQ(Turn(steps, std::vector<int32_t>(10, -12), 3),
              (std::vector<int32_t>{0, 0, 0, 1, 0, 0, 1, 0, 0, 1}));
    // A part line left over waits for the next delta in the same direction.
    EXPECT_EQ(Turn(steps, {-50, -10}, 1), (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(steps.Add(-60, 1), 1);
    EXPECT_EQ(Turn(steps, {-100, -100, -100}, 2), (std::vector<int32_t>{1, 2, 2}));
}

TEST(WheelLineSteps, TurningBackDropsWhatWasLeftOfTheOtherWay) {
    WheelLineSteps steps;
    EXPECT_EQ(steps.Add(-100, 3), 2);  // half a line forward left over
    EXPECT_EQ(steps.Add(40, 3), -1);   // a third of a notch back is a whole line back
    EXPECT_EQ(steps.Add(-20, 3), 0);
    EXPECT_EQ(steps.Add(-20, 3), 1);
}

TEST(WheelLineSteps, BrokenLineCountsAndWildDeltasStayBounded) {
    WheelLineSteps steps;
    EXPECT_EQ(steps.Add(-120, 0), 1);
    EXPECT_EQ(steps.Add(-120, -5), 1);
    EXPECT_EQ(steps.Add(INT32_MIN, INT32_MAX), WheelLineSteps::kMaxLinesPerTurn);
    EXPECT_EQ(steps.Add(INT32_MAX, 3), -WheelLineSteps::kMaxLinesPerTurn);
    EXPECT_EQ(steps.Add(0, 3), 0);
}

KeyPress Press(uint32_t virtualKey, bool shift = false, bool control = false, bool alt = false) {
    KeyPress press;
    press.virtualKey = virtualKey;
    press.shift = shift;
    press.control = control;
    press.alt = alt;
    return press;
}

TEST(DesktopPagingCommand, PageKeysAndSpaceTurnPagesOnlyWithoutModifiers) {
    EXPECT_EQ(DesktopPagingCommand(Press(kVirtualKeyNext)), IDM_PAGE_DOWN);
    EXPECT_EQ(DesktopPagingCommand(Press(kVirtualKeySpace)), IDM_PAGE_DOWN);
    EXPECT_EQ(DesktopPagingCommand(Press(kVirtualKeyPrior)), IDM_PAGE_UP);
    EXPECT_EQ(DesktopPagingCommand(Press(kVirtualKeyNext, true)), std::nullopt);
    EXPECT_EQ(DesktopPagingCommand(Press(kVirtualKeySpace, false, true)), std::nullopt);
    EXPECT_EQ(DesktopPagingCommand(Press(kVirtualKeyPrior, false, false, true)), std::nullopt);
    // The arrows stay with the accelerators; a key without a code here pages nothing.
    EXPECT_EQ(DesktopPagingCommand(Press(kVirtualKeyDown)), std::nullopt);
    EXPECT_EQ(DesktopPagingCommand(Press(0)), std::nullopt);
}

}  // namespace
}  // namespace sorna
