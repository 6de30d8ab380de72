#pragma once

#include <QColor>
#include <cstdint>

namespace sorna {

// The settings keep colours as 0x00BBGGRR values, red in the low byte.
inline QColor ToQColor(uint32_t colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline uint32_t ToColourValue(const QColor& colour) {
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

}  // namespace sorna
