#pragma once

#include <QImage>
#include <QPainter>

namespace sorna {

// The page buffer: an image the size of the screen in device pixels, drawn on in logical pixels
// through its device pixel ratio. It has the window's own pixel format, so a copy to the window
// converts nothing; only the part a window shows is ever filled or copied, so the rest of the
// screen's worth of memory is never touched.
class OffscreenBitmap {
public:
    // False, keeping any previous page, for a dimension of 0 or below or when the memory is
    // not there.
    [[nodiscard]] bool Create(int width, int height, qreal devicePixelRatio);
    [[nodiscard]] bool IsValid() const { return !image_.isNull(); }
    QImage& Image() { return image_; }

    // The whole bitmap in logical pixels.
    [[nodiscard]] QRect Area() const;

    // `area` (logical pixels, within Area()) onto the same place of `target`.
    void CopyTo(QPainter& target, const QRect& area) const;

private:
    QImage image_;
};

}  // namespace sorna
