#pragma once

#include <QAbstractButton>
#include <QTest>

#include "platform/qt/QtConversions.h"

namespace sorna::test {

// The control of a dialog by its object name.
template <typename Control>
Control& ControlOf(const QWidget& dialog, const QString& objectName) {
    return *dialog.findChild<Control*>(objectName);
}

template <typename Control>
Control& ControlOf(const QWidget& dialog, ControlName name) {
    return ControlOf<Control>(dialog, ObjectName(name));
}

// A click where the user aims at a button: near its left edge, which is the box of a check box
// however wide its row has stretched it.
inline void ClickButton(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, {},
                      QPoint(std::min(8, button.width() / 2), button.height() / 2));
}

inline void ClickButton(const QWidget& dialog, ControlName name) {
    ClickButton(ControlOf<QAbstractButton>(dialog, name));
}

}  // namespace sorna::test
