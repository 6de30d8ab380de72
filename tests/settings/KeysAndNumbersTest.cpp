#include <gtest/gtest.h>

#include "settings/KeySlots.h"
#include "settings/NumberBox.h"
#include "settings/Settings.h"

namespace sorna {
namespace {

TEST(NumberBox, StoresWhatWasTypedAndStepsWithinTheRange) {
    EXPECT_EQ(ParseNumberBox(u"99"), 99);
    EXPECT_EQ(ParseNumberBox(u"007"), 7);
    EXPECT_EQ(ParseNumberBox(u"-3"), -3);  // a stored negative margin shows and reads back
    EXPECT_EQ(ParseNumberBox(u"2147483647"), 2147483647);
    EXPECT_EQ(ParseNumberBox(u"-2147483648"), -2147483647 - 1);
    for (const char16_t* notANumber : {u"", u"-", u"2147483648", u"99999999999999999999", u"1a"}) {
        EXPECT_EQ(ParseNumberBox(notANumber), 0) << "for the text of a box";
    }
    const NumberRange size{5, 40};
    EXPECT_EQ(StepNumberBox(15, 1, size), 16);
    EXPECT_EQ(StepNumberBox(40, 1, size), 40);
    EXPECT_EQ(StepNumberBox(5, -1, size), 5);
    EXPECT_EQ(StepNumberBox(99, 1, size), 40);
    EXPECT_EQ(StepNumberBox(0, -1, size), 5);
    EXPECT_EQ(StepNumberBox(2147483647, 1, {0, 20}), 20);
}

TEST(KeySlots, ButtonTextsAndListEntriesStayInsideTheTable) {
    EXPECT_EQ(KeySlotButtonText(0, 0xC1), u"버튼1(0xc1)");
    EXPECT_EQ(KeySlotButtonText(2, 0xCA), u"버튼3(0xca)");
    EXPECT_EQ(KeyFunctionEntry(0), 0);
    EXPECT_EQ(KeyFunctionEntry(11), 11);
    EXPECT_EQ(KeyFunctionEntry(12), std::nullopt);
    EXPECT_EQ(KeyFunctionEntry(-1), std::nullopt);
    EXPECT_TRUE(IsHardwareKeyCode(0xC1));
    EXPECT_TRUE(IsHardwareKeyCode(0xCF));
    EXPECT_FALSE(IsHardwareKeyCode(0xC0));
    EXPECT_FALSE(IsHardwareKeyCode(0xD0));
    EXPECT_FALSE(IsHardwareKeyCode('A'));
    EXPECT_EQ(AllHardwareKeys().size(), 15u);
}

TEST(KeySlots, TheMainWindowClaimsTheCodesOfSlotsWithAFunction) {
    Settings settings;
    EXPECT_TRUE(SlotKeysToClaim(settings).empty());  // no slot carries a function by default
    settings.keyFunctions = {2, 0, 1, 99, 3, 4};
    // Slot 0 and slot 5 share a code; slot 2 holds a captured code away from its position;
    // slot 3's function is outside the table and slot 4's code outside the hardware range.
    settings.keyCodes = {0xC1, 0xC2, 0xCA, 0xC4, 0x41, 0xC1};
    EXPECT_EQ(SlotKeysToClaim(settings), (std::vector<uint32_t>{0xC1, 0xCA}));
}

}  // namespace
}  // namespace sorna
