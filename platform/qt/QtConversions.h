#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <string_view>

#include "resources/ControlNames.h"

// The program's values as Qt takes them: text, colours and dialog control names.
namespace sorna {

// Program text to Qt: both are UTF-16, so this is a copy.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The settings keep colours as 0x00BBGGRR values, red in the low byte.
inline QColor ToQColor(uint32_t colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline uint32_t ToColourValue(const QColor& colour) {
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

// The object name of a dialog control: its name as it stands.
inline QString ObjectName(ControlName name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The object name of a control of a key slot: its name followed by the slot's number.
inline QString ObjectName(ControlName name, int slot) {
    return ObjectName(name) + QString::number(slot);
}

}  // namespace sorna
