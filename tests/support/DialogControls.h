#pragma once

#include <QAbstractButton>
#include <QTest>

#include "platform/qt/QtConversions.h"

namespace sorna::test {

// The control of a dialog by its id, which names it.
template <typename Control>
Control& ControlOf(const QWidget& dialog, ControlId id) {
    return *dialog.findChild<Control*>(ControlName(id));
}

// A click where the user aims at a button: near its left edge, which is the box of a check box
// however wide its row has stretched it.
inline void ClickButton(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, {},
                      QPoint(std::min(8, button.width() / 2), button.height() / 2));
}

inline void ClickButton(const QWidget& dialog, ControlId id) {
    ClickButton(ControlOf<QAbstractButton>(dialog, id));
}

}  // namespace sorna::test
