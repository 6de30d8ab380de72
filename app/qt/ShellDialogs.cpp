#include "app/qt/ShellDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

#include "platform/FindProgram.h"
#include "platform/qt/DialogGeometry.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"
#include "resources/DictionaryStrings.h"

namespace sorna {

std::u16string ChooseDocumentPath(QWidget& owner) {
    QFileDialog dialog(&owner);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({ToQString(kOpenFilterText), ToQString(kOpenFilterAll)});
    dialog.setDirectory(QDir::home());
    if (ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front().toStdU16String();
}

void ShowOpenFailure(QWidget& owner, std::u16string_view message) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(kOpenFailedCaption), ToQString(message),
                    QMessageBox::Ok, &owner);
    ExecDialog(box);
}

void LaunchDictionary(QWidget& owner, std::u16string_view programPath, std::u16string_view word,
                      const std::function<void()>& stopAutoScroll) {
    const std::optional<std::string> program =
        FindProgram(programPath, qgetenv("PATH").toStdString());
    if (!program) {
        ShowMessage(owner, kDictionaryMissingMessage);
        return;
    }
    stopAutoScroll();
    if (!QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(*program)),
                                 {ToQString(word)})) {
        ShowMessage(owner, kDictionaryMissingMessage);
    }
}

}  // namespace sorna
