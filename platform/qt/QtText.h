#pragma once

#include <QString>
#include <string_view>

namespace sorna {

// Program text to Qt: both are UTF-16, so this is a copy.
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace sorna
