#pragma once

#include <QFont>
#include <QPainter>

#include <functional>
#include <optional>
#include <utility>

#include "view/PagePlan.h"
#include "view/ViewDevice.h"
#include "view/qt/OffscreenBitmap.h"

namespace sorna {

// Where the view's pages are drawn: the view font, its widths and the page bitmap. Each page is
// rendered whole into the bitmap and copied to the window in one piece. The font is measured
// once, not at every layout.
//
// The window's paint event calls PaintTo with its painter and the plan of its page; Repaint
// runs what the window gave to OnRepaint, which paints at once: that is how every change of
// the top line reaches the screen.
class PageCanvas : public ViewDevice {
public:
    // Makes the page bitmap the size of the whole screen (logical pixels, drawn at
    // `devicePixelRatio`). False, with no page to paint, for an empty size.
    [[nodiscard]] bool CreateBuffers(int screenWidth, int screenHeight, qreal devicePixelRatio);
    void OnRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // Renders the part `area` (logical pixels) of `plan` into the page bitmap.
    void Paint(const PagePlan& plan, const QRect& area);

    // Renders the part `area` of `plan` and copies it to the same place of `target`, whose
    // (0, 0) is the page's; does nothing before the page bitmap exists.
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
    OffscreenBitmap page_;
    std::optional<FontDescription> fontDescription_;
    QFont font_;
    std::optional<CharMetrics> metrics_;  // of font_, once measured
};

}  // namespace sorna
