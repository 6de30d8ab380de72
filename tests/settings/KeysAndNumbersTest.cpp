#include <gtest/gtest.h>

#include "settings/KeySlots.h"
#include "settings/NumberBox.h"
#include "settings/Settings.h"

namespace sorna {
namespace {

// What the dialog's own tests cannot type: signs and numbers beyond 32 bits.
TEST(NumberBox, ReadsSignedNumbersAndStepsFromBeyondTheRange) {
    EXPECT_EQ(ParseNumberBox(u"-3"), -3);  // a stored negative margin shows and reads back
    EXPECT_EQ(ParseNumberBox(u"-2147483648"), -2147483647 - 1);
    for (const char16_t* notANumber : {u"-", u"2147483648", u"99999999999999999999", u"1-"}) {
        EXPECT_EQ(ParseNumberBox(notANumber), 0) << "for the text of a box";
    }
    EXPECT_EQ(StepNumberBox(-3, -1, {5, 40}), 5);
    EXPECT_EQ(StepNumberBox(2147483647, 1, {0, 20}), 20);
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
