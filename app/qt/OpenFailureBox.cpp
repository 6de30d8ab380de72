#include "app/qt/OpenFailureBox.h"

#include <QMessageBox>

#include "platform/qt/QtText.h"
#include "resources/AppStrings.h"

namespace sorna {

void ShowOpenFailure(QWidget& owner, std::u16string_view message) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(kOpenFailedCaption), ToQString(message),
                    QMessageBox::Ok, &owner);
    box.exec();
}

}  // namespace sorna
