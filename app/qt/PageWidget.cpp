#include "app/qt/PageWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include "view/PagePlan.h"

namespace sorna {

PageWidget::PageWidget(PageCanvas& canvas, const TextView& view, QWidget& parent)
    : QWidget(&parent), canvas_(canvas), view_(view) {
    // Every paint covers the whole widget with the page bitmap.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    // At once, not at the next turn of the event loop: a smooth scroll shows every step.
    canvas_.OnRepaint([page = QPointer<PageWidget>(this)] {
        if (page) {
            page->repaint();
        }
    });
}

void PageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    canvas_.PaintTo(painter, PlanPage(view_, width()), event->rect());
    emit Painted();
}

// Only the pen's own button taps; the other buttons do nothing.
void PageWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit Pressed(event->position().toPoint());
    }
}

void PageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit Released(event->position().toPoint());
    }
}

// Comes in place of the second press of a double tap.
void PageWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit DoubleTapped(event->position().toPoint());
    }
}

void PageWidget::resizeEvent(QResizeEvent*) {
    emit Resized();
}

}  // namespace sorna
