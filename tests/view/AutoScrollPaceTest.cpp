#include <gtest/gtest.h>

#include <climits>

#include "view/AutoScrollPace.h"

namespace sorna {
namespace {

constexpr auto kWait = AutoScrollAction::Wait;
constexpr auto kStep = AutoScrollAction::Step;

TEST(AutoScrollPace, ALineStaysItsLettersTimesTheSpeed) {
    EXPECT_EQ(DecideAutoScroll(12, 1000, 1000 + 600, 50), kWait);
    EXPECT_EQ(DecideAutoScroll(12, 1000, 1000 + 601, 50), kStep);
    // A blank bottom line passes at the next tick.
    EXPECT_EQ(DecideAutoScroll(0, 1000, 1000, 50), kWait);
    EXPECT_EQ(DecideAutoScroll(0, 1000, 1100, 50), kStep);
    EXPECT_EQ(DecideAutoScroll(std::nullopt, 1000, 99999, 50), AutoScrollAction::Stop);
}

TEST(AutoScrollPace, TheTickCountMayWrap) {
    EXPECT_EQ(DecideAutoScroll(2, 0xFFFFFF00u, 0x10u, 50), kStep);
    EXPECT_EQ(DecideAutoScroll(2, 0xFFFFFFF0u, 0x20u, 50), kWait);
    EXPECT_EQ(DecideAutoScroll(2, 0xFFFFFFF0u, 0x60u, 50), kStep);
}

TEST(AutoScrollPace, HandEditedSpeedsStayInRange) {
    EXPECT_EQ(DecideAutoScroll(10, 5000, 5001, -100), kStep);
    EXPECT_EQ(DecideAutoScroll(INT_MAX, 0, 0xFFFFFFFFu, INT_MAX), kWait);
}

}  // namespace
}  // namespace sorna
