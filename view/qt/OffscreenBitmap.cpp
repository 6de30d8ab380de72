#include "view/qt/OffscreenBitmap.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "view/ColourRef.h"

namespace sorna {

bool OffscreenBitmap::Create(int width, int height, qreal devicePixelRatio) {
    if (width <= 0 || height <= 0 || !(devicePixelRatio > 0)) {
        return false;
    }
    QImage image(int(std::ceil(width * devicePixelRatio)),
                 int(std::ceil(height * devicePixelRatio)), QImage::Format_RGB888);
    if (image.isNull()) {
        return false;
    }
    image.setDevicePixelRatio(devicePixelRatio);
    image_ = std::move(image);
    return true;
}

void OffscreenBitmap::Fill(uint32_t colour) {
    const Rgb rgb = SplitColourRef(colour);
    std::vector<uchar> row(size_t(image_.width()) * 3);
    for (size_t i = 0; i < row.size(); i += 3) {
        row[i] = rgb.red;
        row[i + 1] = rgb.green;
        row[i + 2] = rgb.blue;
    }
    for (int y = 0; y < image_.height(); ++y) {
        std::memcpy(image_.scanLine(y), row.data(), row.size());
    }
}

}  // namespace sorna
