#include <gtest/gtest.h>

#include "view/LineTable.h"

namespace sorna {
namespace {

// A long table grows geometrically, so a large document appends in amortised constant time, and
// every growth keeps what was appended before it.
TEST(LineTable, GrowsGeometricallyAndKeepsItsEntries) {
    LineTable table;
    int growths = 0;
    for (int32_t i = 0; i < 200000; ++i) {
        const int32_t before = table.Capacity();
        ASSERT_TRUE(table.Append(i * 3));
        growths += table.Capacity() != before;
    }
    EXPECT_LT(growths, 100);
    for (int32_t i = 0; i < 200000; ++i) {
        ASSERT_EQ(table[i], i * 3) << i;
    }
}

}  // namespace
}  // namespace sorna
