#pragma once

#include <QFont>
#include <QPainter>

#include <functional>
#include <optional>
#include <utility>

#include "view/PagePlan.h"
#include "view/ViewDevice.h"

namespace sorna {

// Where the view's pages are drawn: the view font, its widths, and the page plan painted onto
// the window. The window's backing store is the page bitmap: Qt renders a paint there, off the
// screen, and puts it on the screen in one piece, so no page shows half drawn and no second
// bitmap is needed. The font is measured once, not at every layout.
//
// The window's paint event calls PaintTo with its painter and the plan of its page; Repaint
// runs what the window gave to OnRepaint, which paints at once: that is how every change of
// the top line reaches the screen.
class PageCanvas : public ViewDevice {
public:
    void OnRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // Renders the part `area` (logical pixels) of `plan` onto `target`, whose (0, 0) is the
    // page's; nothing outside `area` is touched.
    void PaintTo(QPainter& target, const PagePlan& plan, const QRect& area);

    CharMetrics MeasureChars(const FontDescription& font) override;
    void Repaint() override;

private:
    const QFont& FontFor(const FontDescription& description);
    void DrawRows(QPainter& painter, const PagePlan& plan);
    void DrawHighlights(QPainter& painter, const PagePlan& plan);
    // The upright texts: how to open a document, and the percentage read.
    void DrawUprightTexts(QPainter& painter, const PagePlan& plan);

    std::function<void()> repaint_;
    std::optional<FontDescription> fontDescription_;
    QFont font_;
    std::optional<CharMetrics> metrics_;  // of font_, once measured
};

}  // namespace sorna
