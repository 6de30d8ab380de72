#include "view/qt/PageCanvas.h"

#include <QFontMetrics>
#include <QTextOption>

#include "platform/qt/QtConversions.h"
#include "view/qt/MeasureChars.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

QRect ToQRect(const ViewRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QSize(int(rect.Width()), int(rect.Height())));
}

// No wrapping, tabs to stops of eight average character widths; the text is clipped to its
// row's rectangle and an ampersand is just an ampersand.
QTextOption RowTextOption(const QFont& font) {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(8.0 * QFontMetrics(font).averageCharWidth());
    return option;
}

// The view's font, with the room a justified row spreads after its spaces or its characters.
QFont RowFont(const QFont& font, const Justification& justification) {
    if (justification == Justification{}) {
        return font;
    }
    QFont stretched(font);
    stretched.setWordSpacing(justification.perSpace);
    stretched.setLetterSpacing(QFont::AbsoluteSpacing, justification.perCharacter);
    return stretched;
}

void DrawRow(QPainter& painter, const PageRow& row, bool upward, const QFont& font,
             const QTextOption& option) {
    painter.setFont(RowFont(font, row.justification));
    if (!upward) {
        painter.drawText(QRectF(ToQRect(row.rect)), ToQString(row.text), option);
        return;
    }
    // Turned a quarter to the left about the strip's bottom left corner, the strip lies along
    // the x axis from the origin.
    painter.save();
    painter.translate(row.rect.left, row.rect.bottom);
    painter.rotate(-90);
    painter.drawText(QRectF(0, 0, qreal(row.rect.Height()), qreal(row.rect.Width())),
                     ToQString(row.text), option);
    painter.restore();
}

}  // namespace

CharMetrics PageCanvas::MeasureChars(const FontDescription& font) {
    const QFont& measured = FontFor(font);
    if (!metrics_) {
        metrics_ = sorna::MeasureChars(measured);
    }
    return *metrics_;
}

void PageCanvas::Repaint() {
    if (repaint_) {
        repaint_();
    }
}

void PageCanvas::PaintTo(QPainter& target, const PagePlan& plan, const QRect& area) {
    // Whatever is drawn, only the area changes.
    target.save();
    target.setClipRect(area);
    target.fillRect(area, ToQColor(plan.backColour));
    DrawRows(target, plan);
    for (const PageFill& fill : plan.positionBar) {
        target.fillRect(ToQRect(fill.rect), ToQColor(fill.colour));
    }
    DrawHighlights(target, plan);
    DrawUprightTexts(target, plan);
    target.restore();
}

// The covered part of a row drawn again with the colours exchanged.
void PageCanvas::DrawHighlights(QPainter& painter, const PagePlan& plan) {
    const QFont& font = FontFor(plan.font);
    const QTextOption option = RowTextOption(font);
    for (const PageHighlight& highlight : plan.highlights) {
        painter.save();
        painter.setClipRect(ToQRect(highlight.rect), Qt::IntersectClip);
        painter.fillRect(ToQRect(highlight.rect), ToQColor(plan.textColour));
        painter.setPen(ToQColor(plan.backColour));
        DrawRow(painter, plan.rows[highlight.row], plan.upward, font, option);
        painter.restore();
    }
}

// Upright in either orientation: they are read before any text is turned.
void PageCanvas::DrawUprightTexts(QPainter& painter, const PagePlan& plan) {
    const auto draw = [&](const ViewRect& area, std::u16string_view text) {
        if (!text.empty()) {
            painter.setFont(FontFor(plan.font));
            painter.setPen(ToQColor(plan.textColour));
            painter.drawText(ToQRect(area), Qt::AlignCenter | Qt::TextWordWrap, ToQString(text));
        }
    };
    draw(plan.hintArea, plan.hint);
    draw(plan.percentArea, plan.percent);
}

const QFont& PageCanvas::FontFor(const FontDescription& description) {
    if (fontDescription_ != description) {
        font_ = MakeViewFont(description);
        fontDescription_ = description;
        metrics_.reset();
    }
    return font_;
}

void PageCanvas::DrawRows(QPainter& painter, const PagePlan& plan) {
    if (plan.rows.empty()) {
        return;
    }
    const QFont& font = FontFor(plan.font);
    painter.setPen(ToQColor(plan.textColour));
    const QTextOption option = RowTextOption(font);
    for (const PageRow& row : plan.rows) {
        DrawRow(painter, row, plan.upward, font, option);
    }
}

}  // namespace sorna
