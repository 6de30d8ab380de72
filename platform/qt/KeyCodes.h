#pragma once

#include <cstdint>

#include "resources/AcceleratorTable.h"

class QKeyEvent;

namespace sorna {

// The hardware-button code (0xC1..0xCF) of a physical key: F1..F12 are 0xC1..0xCC, Volume Down
// 0xCD, Volume Up 0xCE, Media Play 0xCF. 0 for every other key.
uint32_t HardwareKeyCode(int qtKey);

// The virtual-key code of a key the accelerators name (arrows, Return and Enter, F1..F12) or of
// a desktop key (Space, Page Up, Page Down, Escape, Home, End); 0 for every other key.
uint32_t VirtualKeyCode(int qtKey);

// A key press as the accelerator table compares it.
KeyPress KeyPressOf(const QKeyEvent& event);

}  // namespace sorna
