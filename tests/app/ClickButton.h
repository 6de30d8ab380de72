#pragma once

#include <QAbstractButton>
#include <QTest>

namespace sorna::test {

// A click where the user aims at a button: near its left edge, which is the box of a check box
// however wide its row has stretched it.
inline void ClickButton(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, {},
                      QPoint(std::min(8, button.width() / 2), button.height() / 2));
}

}  // namespace sorna::test
