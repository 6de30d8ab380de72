#include <gtest/gtest.h>

#include "resources/AcceleratorTable.h"

namespace sorna {
namespace {

KeyPress Virtual(uint32_t key, bool alt = false, bool shift = false, bool control = false) {
    KeyPress press;
    press.virtualKey = key;
    press.alt = alt;
    press.shift = shift;
    press.control = control;
    return press;
}

KeyPress Character(char32_t character, bool alt, bool shift = false) {
    KeyPress press;
    press.character = character;
    press.alt = alt;
    press.shift = shift;
    return press;
}

TEST(FindAccelerator, ArrowsAndReturnNeedBareKeys) {
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyDown)), IDM_KEY_DOWN);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyUp)), IDM_KEY_UP);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyLeft)), IDM_KEY_LEFT);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyRight)), IDM_KEY_RIGHT);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyReturn)), IDM_FULLSCREEN);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyDown, false, true)), std::nullopt);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyDown, false, false, true)), std::nullopt);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyReturn, true)), std::nullopt);
}

TEST(FindAccelerator, AltF4AndAltSlashAreSwallowed) {
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyF4, true)), IDM_ALT_F4);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyF4)), std::nullopt);
    EXPECT_EQ(FindAccelerator(Virtual(kVirtualKeyF4, true, true)), std::nullopt);
    EXPECT_EQ(FindAccelerator(Character(u'/', true)), IDM_ALT_SLASH);
    // A character entry looks at Alt only: Shift belongs to typing the character.
    EXPECT_EQ(FindAccelerator(Character(u'/', true, true)), IDM_ALT_SLASH);
    EXPECT_EQ(FindAccelerator(Character(u'/', false)), std::nullopt);
    EXPECT_EQ(FindAccelerator(Character(u'?', true)), std::nullopt);
    EXPECT_EQ(FindAccelerator(KeyPress{}), std::nullopt);
}

}  // namespace
}  // namespace sorna
