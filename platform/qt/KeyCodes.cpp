#include "platform/qt/KeyCodes.h"

#include <QKeyEvent>
#include <span>

namespace sorna {
namespace {

struct KeyCode {
    int qtKey;
    uint32_t code;
};

constexpr KeyCode kHardwareKeys[] = {
    {Qt::Key_F1, 0xC1},         {Qt::Key_F2, 0xC2},       {Qt::Key_F3, 0xC3},
    {Qt::Key_F4, 0xC4},         {Qt::Key_F5, 0xC5},       {Qt::Key_F6, 0xC6},
    {Qt::Key_F7, 0xC7},         {Qt::Key_F8, 0xC8},       {Qt::Key_F9, 0xC9},
    {Qt::Key_F10, 0xCA},        {Qt::Key_F11, 0xCB},      {Qt::Key_F12, 0xCC},
    {Qt::Key_VolumeDown, 0xCD}, {Qt::Key_VolumeUp, 0xCE}, {Qt::Key_MediaPlay, 0xCF},
};

constexpr KeyCode kVirtualKeys[] = {
    {Qt::Key_Return, kVirtualKeyReturn}, {Qt::Key_Enter, kVirtualKeyReturn},
    {Qt::Key_Left, kVirtualKeyLeft},     {Qt::Key_Up, kVirtualKeyUp},
    {Qt::Key_Right, kVirtualKeyRight},   {Qt::Key_Down, kVirtualKeyDown},
    {Qt::Key_Space, kVirtualKeySpace},   {Qt::Key_PageUp, kVirtualKeyPrior},
    {Qt::Key_PageDown, kVirtualKeyNext}, {Qt::Key_Escape, kVirtualKeyEscape},
    {Qt::Key_Home, kVirtualKeyHome},     {Qt::Key_End, kVirtualKeyEnd},
};

uint32_t Lookup(std::span<const KeyCode> table, int qtKey) {
    for (const KeyCode& key : table) {
        if (key.qtKey == qtKey) {
            return key.code;
        }
    }
    return 0;
}

// Qt numbers the keys that type a character by that character.
char32_t CharacterOf(int qtKey) {
    return qtKey > 0 && qtKey < Qt::Key_Escape ? static_cast<char32_t>(qtKey) : 0;
}

}  // namespace

uint32_t HardwareKeyCode(int qtKey) {
    return Lookup(kHardwareKeys, qtKey);
}

uint32_t VirtualKeyCode(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return kVirtualKeyF1 + static_cast<uint32_t>(qtKey - Qt::Key_F1);
    }
    return Lookup(kVirtualKeys, qtKey);
}

KeyPress KeyPressOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    KeyPress press;
    press.virtualKey = VirtualKeyCode(event.key());
    press.character = CharacterOf(event.key());
    press.shift = modifiers.testFlag(Qt::ShiftModifier);
    press.control = modifiers.testFlag(Qt::ControlModifier);
    press.alt = modifiers.testFlag(Qt::AltModifier);
    return press;
}

}  // namespace sorna
