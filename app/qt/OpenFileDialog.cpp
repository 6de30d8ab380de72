#include "app/qt/OpenFileDialog.h"

#include <QDir>
#include <QFileDialog>

#include "platform/qt/QtText.h"
#include "resources/AppStrings.h"

namespace sorna {

std::u16string ChooseDocumentPath(QWidget& owner) {
    QFileDialog dialog(&owner);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({ToQString(kOpenFilterText), ToQString(kOpenFilterAll)});
    dialog.setDirectory(QDir::home());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front().toStdU16String();
}

}  // namespace sorna
