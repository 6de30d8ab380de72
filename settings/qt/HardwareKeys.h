#pragma once

#include <cstdint>
#include <span>

class QWidget;

namespace sorna {

// Takes hardware codes (0xC1-0xCF) for a window until they are released: while claimed, a key
// with one of these codes reaches the window's widgets before any shortcut can take it, and the
// presses and releases of its auto-repeat are dropped, so a held key acts once, on its release.
// Claims add up; codes outside the hardware range are passed over.
void ClaimHardwareKeys(QWidget& window, std::span<const uint32_t> codes);

// Gives back every hardware code the window claimed.
void ReleaseHardwareKeys(QWidget& window);

}  // namespace sorna
