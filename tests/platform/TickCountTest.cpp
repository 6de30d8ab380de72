#include <gtest/gtest.h>

#include <thread>

#include "platform/TickCount.h"

namespace sorna {
namespace {

TEST(TickCount, AdvancesInMilliseconds) {
    const uint32_t before = TickCount();
    // Fixed wait on purpose: these 20 ms are the time the clock must count.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const uint32_t elapsed = TickCount() - before;
    EXPECT_GE(elapsed, 20u);
    EXPECT_LT(elapsed, 5000u);
}

}  // namespace
}  // namespace sorna
