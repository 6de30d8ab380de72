#include "platform/qt/MessageBoxes.h"

#include <QMessageBox>

#include "platform/qt/DialogGeometry.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"

namespace sorna {
namespace {

QMessageBox::StandardButton Ask(QWidget& owner, QMessageBox::Icon icon, std::u16string_view text,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, ToQString(kProductName), ToQString(text), buttons, &owner);
    ExecDialog(box);
    return box.standardButton(box.clickedButton());
}

}  // namespace

void ShowMessage(QWidget& owner, std::u16string_view text) {
    Ask(owner, QMessageBox::NoIcon, text, QMessageBox::Ok);
}

bool Confirm(QWidget& owner, std::u16string_view text) {
    return Ask(owner, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace sorna
