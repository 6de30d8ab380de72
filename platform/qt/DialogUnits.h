#pragma once

#include <QFont>
#include <QSize>

namespace sorna {

// Pixels for a size in dialog units of the given font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height, so dialogs grow with
// their font.
QSize DialogUnitsToPixels(QSize units, const QFont& font);

}  // namespace sorna
