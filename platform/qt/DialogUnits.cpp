#include "platform/qt/DialogUnits.h"

#include <QFontMetrics>

namespace sorna {
namespace {

// The average width is taken over the 52 Latin letters, rounded, as dialog templates measure it.
int AverageCharWidth(const QFontMetrics& metrics) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}

}  // namespace

QSize DialogUnitsToPixels(QSize units, const QFont& font) {
    const QFontMetrics metrics(font);
    return {units.width() * AverageCharWidth(metrics) / 4, units.height() * metrics.height() / 8};
}

}  // namespace sorna
