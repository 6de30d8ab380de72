#pragma once

#include <cstdint>
#include <optional>

#include "resources/CommandIds.h"

namespace sorna {

// Virtual-key codes of the keys the main window reads: those the accelerators name, and the
// desktop keys.
inline constexpr uint32_t kVirtualKeyReturn = 0x0D;
inline constexpr uint32_t kVirtualKeyEscape = 0x1B;
inline constexpr uint32_t kVirtualKeySpace = 0x20;
inline constexpr uint32_t kVirtualKeyPrior = 0x21;  // Page Up
inline constexpr uint32_t kVirtualKeyNext = 0x22;   // Page Down
inline constexpr uint32_t kVirtualKeyEnd = 0x23;
inline constexpr uint32_t kVirtualKeyHome = 0x24;
inline constexpr uint32_t kVirtualKeyLeft = 0x25;
inline constexpr uint32_t kVirtualKeyUp = 0x26;
inline constexpr uint32_t kVirtualKeyRight = 0x27;
inline constexpr uint32_t kVirtualKeyDown = 0x28;
inline constexpr uint32_t kVirtualKeyF1 = 0x70;  // F1..F12 follow in order
inline constexpr uint32_t kVirtualKeyF3 = 0x72;
inline constexpr uint32_t kVirtualKeyF4 = 0x73;
inline constexpr uint32_t kVirtualKeyF11 = 0x7A;

enum class AcceleratorKind {
    kVirtualKey,  // compares the key code; Shift, Ctrl and Alt must be exactly as listed
    kCharacter,   // compares the character typed; only Alt is looked at
};

struct Accelerator {
    AcceleratorKind kind;
    uint32_t key;  // virtual-key code or character code
    bool alt;
    CommandId command;
};

// The main window's keyboard accelerators. Alt+"/" and Alt+F4 lead to commands without a handler,
// so those keys do nothing at all.
inline constexpr Accelerator kAcceleratorTable[] = {
    {AcceleratorKind::kCharacter, u'/', true, IDM_ALT_SLASH},
    {AcceleratorKind::kVirtualKey, kVirtualKeyDown, false, IDM_KEY_DOWN},
    {AcceleratorKind::kVirtualKey, kVirtualKeyF4, true, IDM_ALT_F4},
    {AcceleratorKind::kVirtualKey, kVirtualKeyLeft, false, IDM_KEY_LEFT},
    {AcceleratorKind::kVirtualKey, kVirtualKeyReturn, false, IDM_FULLSCREEN},
    {AcceleratorKind::kVirtualKey, kVirtualKeyRight, false, IDM_KEY_RIGHT},
    {AcceleratorKind::kVirtualKey, kVirtualKeyUp, false, IDM_KEY_UP},
};

// A key press as the accelerators see it.
struct KeyPress {
    uint32_t virtualKey = 0;  // 0 when the key has no virtual-key code here
    char32_t character = 0;   // 0 when the key types nothing
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// The command of the first accelerator that takes the key press, if any.
std::optional<CommandId> FindAccelerator(const KeyPress& press);

}  // namespace sorna
