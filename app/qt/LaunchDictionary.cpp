#include "app/qt/LaunchDictionary.h"

#include <QFileInfo>
#include <QProcess>

#include "platform/FileSystem.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtText.h"
#include "resources/DictionaryStrings.h"

namespace sorna {

void LaunchDictionary(QWidget& owner, std::u16string_view programPath, std::u16string_view word,
                      const std::function<void()>& stopAutoScroll) {
    if (!FileExists(programPath)) {
        ShowMessage(owner, kDictionaryMissingMessage);
        return;
    }
    stopAutoScroll();
    // Made absolute, a name without a folder runs the file checked above, not one found on the
    // search path. A file that is there but cannot be run is as wrong a path as a missing one.
    const QString program = QFileInfo(ToQString(programPath)).absoluteFilePath();
    if (!QProcess::startDetached(program, {ToQString(word)})) {
        ShowMessage(owner, kDictionaryMissingMessage);
    }
}

}  // namespace sorna
