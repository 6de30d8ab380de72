#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "view/LineTable.h"

namespace sorna {
namespace {

// Capacity after each growth while appending `count` entries.
std::vector<int32_t> CapacitiesWhileAppending(LineTable& table, int32_t count) {
    std::vector<int32_t> capacities;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t before = table.Capacity();
        EXPECT_TRUE(table.Append(i));
        if (table.Capacity() != before) {
            capacities.push_back(table.Capacity());
        }
    }
    return capacities;
}

TEST(LineTable, GrowsByAnEighthOfTheCountAndAtLeastFour) {
    LineTable table;
    const std::vector<int32_t> capacities = CapacitiesWhileAppending(table, 200000);
    ASSERT_GE(capacities.size(), 8u);
    EXPECT_EQ((std::vector<int32_t>(capacities.begin(), capacities.begin() + 8)),
              (std::vector<int32_t>{4, 8, 12, 16, 20, 24, 28, 32}));
    // From 40 the step is count / 8, so a long table grows geometrically.
    for (size_t i = 1; i < capacities.size(); ++i) {
        const int32_t previous = capacities[i - 1];
        EXPECT_EQ(capacities[i] - previous, std::max(previous / 8, 4)) << previous;
    }
    EXPECT_LT(capacities.size(), 100u);
    EXPECT_EQ(table[199999], 199999);
    // Emptied for a new pass it keeps its storage; freed it has none.
    const int32_t capacity = table.Capacity();
    table.Clear();
    EXPECT_TRUE(table.Empty());
    EXPECT_EQ(table.Capacity(), capacity);
    table.Free();
    EXPECT_EQ(table.Capacity(), 0);
}

}  // namespace
}  // namespace sorna
