#include <gtest/gtest.h>

#include <climits>

#include "view/AutoScrollPace.h"

namespace sorna {
namespace {

constexpr auto kWait = AutoScrollAction::Wait;
constexpr auto kStep = AutoScrollAction::Step;

TEST(AutoScrollPace, ALineStaysItsLettersTimesTheSpeedAcrossATickWrap) {
    EXPECT_EQ(DecideAutoScroll(12, 1000, 1000 + 600, 50), kWait);
    EXPECT_EQ(DecideAutoScroll(12, 1000, 1000 + 601, 50), kStep);
    EXPECT_EQ(DecideAutoScroll(0, 1000, 1100, 50), kStep);  // a blank line passes at the next tick
    EXPECT_EQ(DecideAutoScroll(std::nullopt, 1000, 99999, 50), AutoScrollAction::Stop);
    EXPECT_EQ(DecideAutoScroll(2, 0xFFFFFFF0u, 0x20u, 50), kWait);
    EXPECT_EQ(DecideAutoScroll(2, 0xFFFFFFF0u, 0x60u, 50), kStep);
    // Hand-edited speeds: below zero steps at once, a huge product does not overflow into a step.
    EXPECT_EQ(DecideAutoScroll(10, 5000, 5001, -100), kStep);
    EXPECT_EQ(DecideAutoScroll(INT_MAX, 0, 0xFFFFFFFFu, INT_MAX), kWait);
}

}  // namespace
}  // namespace sorna
