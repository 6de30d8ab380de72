#pragma once

#include <QFont>

#include "view/CharMetrics.h"

namespace sorna {

// The advance of every code unit 0..255 and the advance and cell height of U+AC00 in `font`,
// and the own advance of each code unit from U+0100 up that a first family without Hangul
// draws, all rounded up to whole pixels so that a line the layout fits is never wider when
// drawn.
CharMetrics MeasureChars(const QFont& font);

}  // namespace sorna
