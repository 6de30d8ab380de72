#pragma once

#include <QImage>
#include <QPainter>

#include <cstdint>

namespace sorna {

// The page buffer: an RGB image the size of the screen in device pixels, drawn on in logical
// pixels through its device pixel ratio.
class OffscreenBitmap {
public:
    // False, keeping any previous page, for a dimension of 0 or below or when the memory is
    // not there.
    [[nodiscard]] bool Create(int width, int height, qreal devicePixelRatio);
    [[nodiscard]] bool IsValid() const { return !image_.isNull(); }
    QImage& Image() { return image_; }

    // Every pixel in `colour` (0x00BBGGRR): one row is built and copied to all rows.
    void Fill(uint32_t colour);

    // The whole page onto `target` at (0, 0).
    void CopyTo(QPainter& target) const { target.drawImage(QPointF(0, 0), image_); }

private:
    QImage image_;
};

}  // namespace sorna
