#include "view/qt/MeasureChars.h"

#include <QFontMetricsF>
#include <QRawFont>

#include <cmath>

namespace sorna {
namespace {

constexpr char16_t kHangulSyllableGa = 0xAC00;

bool IsSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// Every code unit from U+0100 up but the surrogates, which only come in pairs.
QString WideCodeUnits() {
    QString units;
    for (char32_t c = CharMetrics::kWideFrom; c <= 0xFFFF; ++c) {
        if (!IsSurrogate(char16_t(c))) {
            units.append(QChar(c));
        }
    }
    return units;
}

// A first family without Hangul draws the code units from U+0100 up that it has, each with its
// own advance; the Korean family behind it draws the others, all as wide as U+AC00. A Korean
// first family draws them all at that one width, and then the result is empty.
std::vector<int32_t> MeasureWideChars(const QFont& font, int32_t wideWidth) {
    const QRawFont face = QRawFont::fromFont(font);
    if (!face.isValid() || face.supportsCharacter(QChar(kHangulSyllableGa))) {
        return {};
    }
    const QString units = WideCodeUnits();
    const QList<quint32> glyphs = face.glyphIndexesForString(units);
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
    std::vector<int32_t> widths(0x10000 - CharMetrics::kWideFrom, wideWidth);
    for (qsizetype i = 0; i < units.size() && i < glyphs.size(); ++i) {
        if (glyphs[i] != 0) {
            widths[units[i].unicode() - CharMetrics::kWideFrom] =
                int32_t(std::ceil(advances[i].x()));
        }
    }
    return widths;
}

}  // namespace

CharMetrics MeasureChars(const QFont& font) {
    const QFontMetricsF metrics(font);
    CharMetrics widths;
    for (char16_t c = 0; c < CharMetrics::kWideFrom; ++c) {
        widths.charWidths[c] = int32_t(std::ceil(metrics.horizontalAdvance(QChar(c))));
    }
    widths.wideWidth = int32_t(std::ceil(metrics.horizontalAdvance(QChar(kHangulSyllableGa))));
    widths.wideHeight = int32_t(std::ceil(metrics.height()));
    widths.wideWidths = MeasureWideChars(font, widths.wideWidth);
    return widths;
}

}  // namespace sorna
