#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <string_view>

#include "ViewTestSupport.h"
#include "view/TextView.h"
#include "view/qt/PageCanvas.h"

namespace sorna::test {

inline constexpr uint32_t kTextColour = 0x00FFFF;  // yellow
inline constexpr uint32_t kBackColour = 0x603010;  // dark blue: red 0x10, green 0x30, blue 0x60
inline const QColor kBack(0x10, 0x30, 0x60);

// A view in NanumGothic 15 on a real 240 x 320 window, painted offscreen.
class PageTest : public testing::Test {
protected:
    void SetUp() override {
        window.resize(240, 320);
        ASSERT_TRUE(canvas.CreateBuffers(window, 240, 320, 1.0));
        view.SetFont(u"NanumGothic", 15, false, false);
        view.SetColors(kTextColour, kBackColour);
        view.SetTextArea({10, 20, 230, 300}, false);
    }

    void Show(std::u16string_view text) {
        view.ClearDocument();
        SetText(view.Document(), text);
        ASSERT_TRUE(view.Layout(nullptr));
    }

    // The window's client area after a paint of the current page.
    QImage Render(qreal devicePixelRatio = 1.0) {
        QImage target(int(240 * devicePixelRatio), int(320 * devicePixelRatio),
                      QImage::Format_RGB32);
        target.setDevicePixelRatio(devicePixelRatio);
        target.fill(Qt::magenta);
        QPainter painter(&target);
        canvas.PaintTo(painter, view);
        return target;
    }

    QWidget window;
    PageCanvas canvas;
    TextView view{canvas};
};

// Bounding box, in image pixels, of what differs from the background inside `within`.
inline QRect InkBounds(const QImage& image, const QRect& within) {
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (image.pixelColor(x, y) != kBack) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

}  // namespace sorna::test
