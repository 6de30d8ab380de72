#include "view/qt/MeasureChars.h"

#include <QFontMetricsF>

#include <cmath>

namespace sorna {

CharMetrics MeasureChars(const QFont& font) {
    const QFontMetricsF metrics(font);
    CharMetrics widths;
    for (char16_t c = 0; c < 256; ++c) {
        widths.charWidths[c] = int32_t(std::ceil(metrics.horizontalAdvance(QChar(c))));
    }
    widths.wideWidth = int32_t(std::ceil(metrics.horizontalAdvance(QChar(0xAC00))));
    widths.wideHeight = int32_t(std::ceil(metrics.height()));
    return widths;
}

}  // namespace sorna
