#include "view/qt/OffscreenBitmap.h"

#include <cmath>

namespace sorna {

bool OffscreenBitmap::Create(int width, int height, qreal devicePixelRatio) {
    if (width <= 0 || height <= 0 || !(devicePixelRatio > 0)) {
        return false;
    }
    QImage image(int(std::ceil(width * devicePixelRatio)),
                 int(std::ceil(height * devicePixelRatio)), QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    image.setDevicePixelRatio(devicePixelRatio);
    image_ = std::move(image);
    return true;
}

QRect OffscreenBitmap::Area() const {
    return QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize());
}

void OffscreenBitmap::CopyTo(QPainter& target, const QRect& area) const {
    if (area == Area()) {
        target.drawImage(QPointF(0, 0), image_);
        return;
    }
    const qreal ratio = image_.devicePixelRatio();
    target.drawImage(
        QPointF(area.topLeft()), image_,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

}  // namespace sorna
