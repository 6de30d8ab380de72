#pragma once

#include <QWidget>

#include "settings/NumberBox.h"

class QLineEdit;

namespace sorna {

// A digits-only edit box for a number of the settings dialog. What is typed is kept as typed;
// only the arrows beside it keep to a range.
QLineEdit* MakeNumberEdit(QWidget& parent, const QString& name);

// The pair of arrows beside a number box: each press steps the box's number by one within the
// range, repeating while held.
class UpDownArrows : public QWidget {
    Q_OBJECT

public:
    UpDownArrows(QWidget& parent, const QString& name, QLineEdit& box, NumberRange range);

private:
    void Step(int32_t step);

    QLineEdit& box_;
    NumberRange range_;
};

}  // namespace sorna
