#include <gtest/gtest.h>

#include <array>

#include "app/InputCommands.h"

namespace sorna {
namespace {

// A settings record with the given slots; nothing is read from the registry.
Settings WithSlots(std::array<int32_t, kKeySlotCount> codes,
                   std::array<int32_t, kKeySlotCount> functions) {
    Settings settings;
    settings.keyCodes = codes;
    settings.keyFunctions = functions;
    return settings;
}

TEST(HardwareKeyCommand, FirstSlotHoldingTheCodeDecides) {
    Settings settings;
    EXPECT_EQ(HardwareKeyCommand(0xC1, settings), IDC_NONE);  // the defaults do nothing
    settings.keyFunctions[0] = 2;
    EXPECT_EQ(HardwareKeyCommand(0xC1, settings), IDM_PAGE_DOWN);
    const Settings shared = WithSlots({0xC1, 0xC9, 0xC3, 0xC9, 0x41, 0xC6}, {0, 3, 0, 5, 2, 0});
    EXPECT_EQ(HardwareKeyCommand(0xC9, shared), IDM_LINE_DOWN);
    EXPECT_EQ(HardwareKeyCommand(0xCF, shared), std::nullopt);
    // Only the hardware range is looked up, whatever a slot holds.
    EXPECT_EQ(HardwareKeyCommand(0x41, shared), std::nullopt);
}

TEST(HardwareKeyCommand, StoredFunctionOutsideTheTableDoesNothing) {
    for (const int32_t broken : {12, -1, INT32_MIN}) {
        const Settings settings = WithSlots({0xC1, 0xC1, 0xC3, 0xC4, 0xC5, 0xC6}, {broken, 2});
        EXPECT_EQ(HardwareKeyCommand(0xC1, settings), std::nullopt);
    }
    const Settings last = WithSlots({0xC1, 0xC1, 0xC3, 0xC4, 0xC5, 0xC6}, {11, 2});
    EXPECT_EQ(HardwareKeyCommand(0xC1, last), IDM_EXIT);
}

TEST(ArrowKeyCommand, RotatedUpStepsALineForward) {
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_UP, false), IDM_PAGE_UP);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_UP, true), IDM_LINE_DOWN);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_LEFT, true), IDM_PAGE_UP);
}

}  // namespace
}  // namespace sorna
