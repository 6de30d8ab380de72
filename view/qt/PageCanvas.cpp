#include "view/qt/PageCanvas.h"

#include <QFontMetrics>
#include <QTextOption>

#include <algorithm>

#include "view/ColourRef.h"
#include "view/PositionBar.h"
#include "view/qt/MeasureChars.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

constexpr uint32_t kBarColour = 0x505050;
constexpr uint32_t kBarFillColour = 0xC0FFC0;

QColor ToQColor(uint32_t colour) {
    const Rgb rgb = SplitColourRef(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect ToQRect(const ViewRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QSize(int(rect.Width()), int(rect.Height())));
}

// Only what comes before a line's first carriage return or line feed is shown.
QString VisibleText(std::u16string_view line) {
    const std::u16string_view visible = line.substr(0, line.find_first_of(u"\r\n"));
    return QString::fromUtf16(visible.data(), qsizetype(visible.size()));
}

}  // namespace

bool PageCanvas::CreateBuffers(QWidget& window, int screenWidth, int screenHeight,
                               qreal devicePixelRatio) {
    window_ = &window;
    return page_.Create(screenWidth, screenHeight, devicePixelRatio);
}

CharMetrics PageCanvas::MeasureChars(const FontDescription& font) {
    return sorna::MeasureChars(FontFor(font));
}

void PageCanvas::Repaint() {
    if (window_) {
        window_->repaint();
    }
}

void PageCanvas::PaintTo(QPainter& target, const TextView& view) {
    if (!page_.IsValid()) {
        return;
    }
    Paint(view, view.TopLine());
    page_.CopyTo(target);
}

void PageCanvas::Paint(const TextView& view, int32_t firstLine) {
    if (!page_.IsValid()) {
        return;
    }
    page_.Fill(view.BackColour());
    QPainter painter(&page_.Image());
    DrawLines(painter, view, firstLine);
    if (!view.Lines().Empty() && window_) {
        DrawPositionBar(painter, view, firstLine);
    }
}

const QFont& PageCanvas::FontFor(const FontDescription& description) {
    if (fontDescription_ != description) {
        font_ = MakeViewFont(description);
        fontDescription_ = description;
    }
    return font_;
}

void PageCanvas::DrawLines(QPainter& painter, const TextView& view, int32_t firstLine) {
    const int64_t end =
        std::min<int64_t>(int64_t{firstLine} + view.LinesPerPage(), view.Lines().Count() - 1);
    if (firstLine < 0 || firstLine >= end) {
        return;
    }
    const QFont& font = FontFor(view.Font());
    painter.setFont(font);
    painter.setPen(ToQColor(view.TextColour()));
    // No wrapping, tabs to stops of eight average character widths; the text is clipped to
    // its line's rectangle and an ampersand is just an ampersand.
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(8.0 * QFontMetrics(font).averageCharWidth());
    for (int32_t row = 0; firstLine + row < end; ++row) {
        if (!view.Font().rotated && view.LineRect(row).bottom > view.TextArea().bottom) {
            break;
        }
        DrawLine(painter, view, row, VisibleText(view.LineChars(firstLine + row)), option);
    }
}

void PageCanvas::DrawLine(QPainter& painter, const TextView& view, int32_t row, const QString& text,
                          const QTextOption& option) {
    const ViewRect rect = view.LineRect(row);
    if (!view.Font().rotated) {
        painter.drawText(QRectF(ToQRect(rect)), text, option);
        return;
    }
    // Rotated rows are strips from left to right; the text reads upward from the bottom of
    // the text area with the tops of the glyphs toward the strip's left edge.
    painter.save();
    painter.translate(rect.left, view.TextArea().bottom);
    painter.rotate(-90);
    painter.drawText(QRectF(0, 0, qreal(view.TextArea().Height()), view.LineHeight()), text,
                     option);
    painter.restore();
}

void PageCanvas::DrawPositionBar(QPainter& painter, const TextView& view, int32_t firstLine) {
    const PositionBar bar = PositionBarRects(window_->width(), view.TextArea(), view.LeftBar(),
                                             firstLine, view.Lines().Count());
    painter.fillRect(ToQRect(bar.bar), ToQColor(kBarColour));
    painter.fillRect(ToQRect(bar.filled), ToQColor(kBarFillColour));
}

}  // namespace sorna
