#include "settings/qt/ColourSwatch.h"

#include <qdrawutil.h>
#include <QPainter>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"

namespace sorna {
namespace {

constexpr QSize kSwatchInDialogUnits{23, 10};
constexpr int kEdgeWidth = 1;

}  // namespace

ColourSwatch::ColourSwatch(QWidget& parent, const QString& name, const uint32_t& colour)
    : QAbstractButton(&parent), colour_(colour) {
    setObjectName(name);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ColourSwatch::sizeHint() const {
    return DialogUnitsToPixels(kSwatchInDialogUnits, font());
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush fill(ToQColor(colour_));
    qDrawShadePanel(&painter, rect(), palette(), true, kEdgeWidth, &fill);
}

}  // namespace sorna
