#include "settings/qt/UpDownArrows.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qt/DialogGeometry.h"

namespace sorna {
namespace {

// Sizes in dialog units of the box's font: the box holds a few digits, the arrows beside it
// share its height.
constexpr QSize kBoxInDialogUnits{21, 12};
constexpr QSize kArrowsInDialogUnits{11, 12};

QToolButton* MakeArrow(QWidget& parent, Qt::ArrowType direction, const QString& name) {
    auto* arrow = new QToolButton(&parent);
    const QSize arrows = DialogUnitsToPixels(kArrowsInDialogUnits, parent.font());
    arrow->setFixedSize(arrows.width(), arrows.height() / 2);
    arrow->setObjectName(name);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    return arrow;
}

}  // namespace

QLineEdit* MakeNumberEdit(QWidget& parent, const QString& name) {
    auto* box = new QLineEdit(&parent);
    box->setObjectName(name);
    box->setFixedWidth(DialogUnitsToPixels(kBoxInDialogUnits, box->font()).width());
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return box;
}

UpDownArrows::UpDownArrows(QWidget& parent, const QString& name, QLineEdit& box, NumberRange range)
    : QWidget(&parent), box_(box), range_(range) {
    setObjectName(name);
    // As tall as the two arrows: a taller row must not pull them apart.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QToolButton* up = MakeArrow(*this, Qt::UpArrow, QStringLiteral("up"));
    QToolButton* down = MakeArrow(*this, Qt::DownArrow, QStringLiteral("down"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownArrows::Step(int32_t step) {
    const int32_t value = ParseNumberBox(box_.text().toStdU16String());
    box_.setText(QString::number(StepNumberBox(value, step, range_)));
}

}  // namespace sorna
