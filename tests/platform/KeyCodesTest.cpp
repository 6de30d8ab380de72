#include <gtest/gtest.h>

#include <QKeyEvent>

#include "platform/KeyCodes.h"

namespace sorna {
namespace {

std::optional<CommandId> AcceleratorFor(int key, Qt::KeyboardModifiers modifiers) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers);
    return FindAccelerator(KeyPressOf(event));
}

TEST(KeyCodes, PhysicalKeysGiveTheHardwareButtonCodes) {
    EXPECT_EQ(HardwareKeyCode(Qt::Key_F1), 0xC1u);
    EXPECT_EQ(HardwareKeyCode(Qt::Key_F12), 0xCCu);
    EXPECT_EQ(HardwareKeyCode(Qt::Key_VolumeDown), 0xCDu);
    EXPECT_EQ(HardwareKeyCode(Qt::Key_MediaPlay), 0xCFu);
    EXPECT_EQ(HardwareKeyCode(Qt::Key_F13), 0u);
    EXPECT_EQ(HardwareKeyCode(Qt::Key_Down), 0u);
}

TEST(KeyCodes, QtKeyEventsReachTheAccelerators) {
    EXPECT_EQ(AcceleratorFor(Qt::Key_Down, Qt::NoModifier), IDM_KEY_DOWN);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Return, Qt::NoModifier), IDM_FULLSCREEN);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Enter, Qt::KeypadModifier), IDM_FULLSCREEN);
    EXPECT_EQ(AcceleratorFor(Qt::Key_F4, Qt::AltModifier), IDM_ALT_F4);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Slash, Qt::AltModifier), IDM_ALT_SLASH);
    EXPECT_EQ(AcceleratorFor(Qt::Key_F4, Qt::NoModifier), std::nullopt);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Down, Qt::ShiftModifier), std::nullopt);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Return, Qt::AltModifier), std::nullopt);
}

// The paging keys have codes of their own, and none a key slot could hold, so a key mapped in
// the settings never meets them.
TEST(KeyCodes, PagingKeysAreNoHardwareButtons) {
    EXPECT_EQ(VirtualKeyCode(Qt::Key_PageDown), kVirtualKeyNext);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_PageUp), kVirtualKeyPrior);
    EXPECT_EQ(VirtualKeyCode(Qt::Key_Space), kVirtualKeySpace);
    for (const int key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Space}) {
        EXPECT_EQ(HardwareKeyCode(key), 0u);
        EXPECT_EQ(AcceleratorFor(key, Qt::NoModifier), std::nullopt);
    }
}

}  // namespace
}  // namespace sorna
