#include <gtest/gtest.h>

#include <QKeyEvent>

#include "platform/qt/KeyCodes.h"

namespace sorna {
namespace {

std::optional<CommandId> AcceleratorFor(int key, Qt::KeyboardModifiers modifiers) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers);
    return FindAccelerator(KeyPressOf(event));
}

// The function keys are reached through the main window's tests; these are the other keys. The
// paging keys have codes of their own, and none a key slot could hold, so a key mapped in the
// settings never meets them.
TEST(KeyCodes, MediaKeysAreButtonsPagingKeysAreNotAndModifiersMustMatchTheAccelerator) {
    EXPECT_EQ(HardwareKeyCode(Qt::Key_VolumeDown), 0xCDu);
    EXPECT_EQ(HardwareKeyCode(Qt::Key_MediaPlay), 0xCFu);
    EXPECT_EQ(HardwareKeyCode(Qt::Key_F13), 0u);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Enter, Qt::KeypadModifier), IDM_FULLSCREEN);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Slash, Qt::AltModifier), IDM_ALT_SLASH);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Down, Qt::ShiftModifier), std::nullopt);
    EXPECT_EQ(AcceleratorFor(Qt::Key_Return, Qt::AltModifier), std::nullopt);
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
