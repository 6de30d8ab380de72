#include <gtest/gtest.h>

#include <array>

#include "app/ArrowKeyCommand.h"
#include "app/HardwareKeyCommand.h"

namespace sorna {
namespace {

using Slots = std::array<int32_t, kKeySlotCount>;

constexpr Slots kDefaultCodes{0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6};

TEST(HardwareKeyCommand, DefaultSlotsPostTheCommandThatDoesNothing) {
    const Slots unused{};
    for (const int32_t code : kDefaultCodes) {
        EXPECT_EQ(HardwareKeyCommand(code, kDefaultCodes, unused), IDC_NONE);
    }
    EXPECT_EQ(HardwareKeyCommand(0xC7, kDefaultCodes, unused), std::nullopt);
}

TEST(HardwareKeyCommand, FirstMatchingSlotDecides) {
    EXPECT_EQ(HardwareKeyCommand(0xC1, kDefaultCodes, Slots{2, 0, 0, 0, 0, 0}), IDM_PAGE_DOWN);
    const Slots sameKey{0xC1, 0xC9, 0xC3, 0xC9, 0xC5, 0xC6};
    EXPECT_EQ(HardwareKeyCommand(0xC9, sameKey, Slots{0, 3, 0, 5, 0, 0}), IDM_LINE_DOWN);
    EXPECT_EQ(HardwareKeyCommand(0xC6, kDefaultCodes, Slots{0, 0, 0, 0, 0, 11}), IDM_EXIT);
}

TEST(HardwareKeyCommand, StoredFunctionOutsideTheTableDoesNothing) {
    const Slots twice{0xC1, 0xC1, 0xC3, 0xC4, 0xC5, 0xC6};
    EXPECT_EQ(HardwareKeyCommand(0xC1, twice, Slots{12, 2, 0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(HardwareKeyCommand(0xC1, twice, Slots{-1, 2, 0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(HardwareKeyCommand(0xC1, twice, Slots{INT32_MIN, 2, 0, 0, 0, 0}), std::nullopt);
}

TEST(HardwareKeyCommand, OnlyHardwareCodesAreLookedUp) {
    const Slots odd{0x41, 0xC0, 0xD0, 0xCF, -0xC1, 0xC6};
    const Slots functions{2, 2, 2, 3, 2, 0};
    EXPECT_EQ(HardwareKeyCommand(0x41, odd, functions), std::nullopt);
    EXPECT_EQ(HardwareKeyCommand(0xC0, odd, functions), std::nullopt);
    EXPECT_EQ(HardwareKeyCommand(0xD0, odd, functions), std::nullopt);
    EXPECT_EQ(HardwareKeyCommand(0xCF, odd, functions), IDM_LINE_DOWN);
    EXPECT_EQ(HardwareKeyCommand(0xC1, odd, functions), std::nullopt);
}

TEST(ArrowKeyCommand, RotatedViewTurnsTheKeysWithTheText) {
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_LEFT, false), IDM_LINE_UP);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_RIGHT, false), IDM_LINE_DOWN);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_UP, false), IDM_PAGE_UP);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_DOWN, false), IDM_PAGE_DOWN);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_LEFT, true), IDM_PAGE_UP);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_RIGHT, true), IDM_PAGE_DOWN);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_UP, true), IDM_LINE_DOWN);
    EXPECT_EQ(ArrowKeyCommand(IDM_KEY_DOWN, true), IDM_LINE_UP);
    EXPECT_EQ(ArrowKeyCommand(IDM_PAGE_DOWN, true), std::nullopt);
}

}  // namespace
}  // namespace sorna
