#pragma once

#include <QPoint>
#include <QWidget>

#include "view/TextView.h"
#include "view/qt/PageCanvas.h"

namespace sorna {

// The main window's client area: it shows the view's page and reports the pen's presses,
// releases and double taps in its own coordinates. Touch taps reach it as the same mouse
// events, since it takes no touch events of its own.
class PageWidget : public QWidget {
    Q_OBJECT

public:
    PageWidget(PageCanvas& canvas, const TextView& view, QWidget& parent);

signals:
    void Pressed(QPoint position);
    void Released(QPoint position);
    void DoubleTapped(QPoint position);
    void Resized();
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PageCanvas& canvas_;
    const TextView& view_;
};

}  // namespace sorna
