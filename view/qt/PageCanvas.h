#pragma once

#include <QFont>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <string_view>

#include "view/TextView.h"
#include "view/ViewDevice.h"
#include "view/qt/OffscreenBitmap.h"

namespace sorna {

// Where the view's pages are drawn: the view font, the page bitmap and the window that shows
// it. Each page is rendered whole into the bitmap and copied to the window in one piece.
//
// The window's paint event calls PaintTo with its painter; Repaint asks the window to paint at
// once, which is how every change of the top line reaches the screen.
class PageCanvas : public ViewDevice {
public:
    // Keeps the window and makes the page bitmap the size of the whole screen (logical pixels,
    // drawn at `devicePixelRatio`). False, with no page to paint, for an empty size.
    bool CreateBuffers(QWidget& window, int screenWidth, int screenHeight, qreal devicePixelRatio);

    // Renders the page of `view` that begins at `firstLine` into the page bitmap.
    void Paint(const TextView& view, int32_t firstLine);

    // Renders the view's current page and copies it to `target` at (0, 0); does nothing
    // before the page bitmap exists.
    void PaintTo(QPainter& target, const TextView& view);

    CharMetrics MeasureChars(const FontDescription& font) override;
    void Repaint() override;

private:
    const QFont& FontFor(const FontDescription& description);
    void DrawLines(QPainter& painter, const TextView& view, int32_t firstLine);
    void DrawLine(QPainter& painter, const TextView& view, int32_t row, const QString& text,
                  const QTextOption& option);
    void DrawPositionBar(QPainter& painter, const TextView& view, int32_t firstLine);

    QPointer<QWidget> window_;
    OffscreenBitmap page_;
    std::optional<FontDescription> fontDescription_;
    QFont font_;
};

}  // namespace sorna
