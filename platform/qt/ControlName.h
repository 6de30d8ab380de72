#pragma once

#include <QString>

#include "resources/ControlIds.h"

namespace sorna {

// The object name of a dialog control: its id in decimal.
inline QString ControlName(ControlId id) {
    return QString::number(id);
}

}  // namespace sorna
