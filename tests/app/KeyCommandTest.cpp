#include <gtest/gtest.h>

#include <array>

#include "app/ArrowKeyCommand.h"
#include "app/HardwareKeyCommand.h"

namespace sorna {
namespace {

using Slots = std::array<int32_t, kKeySlotCount>;

TEST(HardwareKeyCommand, FirstSlotHoldingTheCodeDecides) {
    const Slots codes{0xC1, 0xC9, 0xC3, 0xC9, 0x41, 0xC6};
    EXPECT_EQ(HardwareKeyCommand(0xC1, codes, Slots{2, 0, 0, 0, 0, 0}), IDM_PAGE_DOWN);
    EXPECT_EQ(HardwareKeyCommand(0xC3, codes, Slots{}), IDC_NONE);
    EXPECT_EQ(HardwareKeyCommand(0xC9, codes, Slots{0, 3, 0, 5, 0, 0}), IDM_LINE_DOWN);
    EXPECT_EQ(HardwareKeyCommand(0xCF, codes, Slots{}), std::nullopt);
    // Only the hardware range is looked up, whatever a slot holds.
    EXPECT_EQ(HardwareKeyCommand(0x41, codes, Slots{2, 2, 2, 2, 2, 2}), std::nullopt);
}

TEST(HardwareKeyCommand, StoredFunctionOutsideTheTableDoesNothing) {
    const Slots twice{0xC1, 0xC1, 0xC3, 0xC4, 0xC5, 0xC6};
    for (const int32_t broken : {12, -1, INT32_MIN}) {
        EXPECT_EQ(HardwareKeyCommand(0xC1, twice, Slots{broken, 2, 0, 0, 0, 0}), std::nullopt);
    }
    EXPECT_EQ(HardwareKeyCommand(0xC1, twice, Slots{11, 2, 0, 0, 0, 0}), IDM_EXIT);
}

TEST(ArrowKeyCommand, RotatedUpStepsALineForward) {
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_UP, false), IDM_PAGE_UP);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_UP, true), IDM_LINE_DOWN);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_LEFT, true), IDM_PAGE_UP);
}

}  // namespace
}  // namespace sorna
