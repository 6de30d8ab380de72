#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QWindow>

#include "app/qt/MainWindow.h"
#include "app/qt/PackagedResources.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/SingleInstance.h"
#include "platform/registry/Registry.h"
#include "resources/AppStrings.h"
#include "settings/Settings.h"

namespace {

// The desktop entry and the icon are installed under this name.
constexpr char kDesktopName[] = "sorna";

bool WindowCreated(const QWidget& window) {
    return window.windowHandle() != nullptr && window.windowHandle()->handle() != nullptr;
}

// The document the command line names, taken from this start's folder: a running reader it is
// handed to has a folder of its own. Empty when none is named.
std::u16string NamedDocument() {
    const QString named = sorna::ToQString(sorna::CommandLineText(QApplication::arguments()));
    if (named.isEmpty()) {
        return {};
    }
    return QDir::cleanPath(QDir::current().absoluteFilePath(named)).toStdU16String();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopName));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kDesktopName)));
    // Without Qt's Korean translation installed, Qt's own dialogs simply speak English.
    static_cast<void>(sorna::LoadKoreanTranslation(application));

    sorna::SingleInstance instance(sorna::ToQString(sorna::kInstanceName));
    const std::u16string namedDocument = NamedDocument();
    const sorna::StartRole role = instance.HandOverToRunning(namedDocument);
    // Beside a reader that never answered, a start shows the file it was given. It leaves the
    // channel and the settings file to that reader: a save of its own would write over what that
    // reader saved meanwhile. Without a file it has nothing to show that reader does not.
    const bool beside = role == sorna::StartRole::kUnanswered;
    if (role == sorna::StartRole::kHandedOver || (beside && namedDocument.empty())) {
        return 0;
    }
    // Only a start that shows a window reads the settings; they are not saved again as it ends.
    sorna::Settings settings;
    settings.LoadSettings();
    if (beside) {
        sorna::LeaveRegistryFileAlone(sorna::HKEY_CURRENT_USER);
    }
    sorna::MainWindow window(settings, namedDocument);
    window.show();
    // Without a window nothing would ever end the loop.
    if (!WindowCreated(window)) {
        return 0;
    }
    // Where the channel cannot be set up this reader still works; later starts then wait a while
    // and show their files themselves.
    QObject::connect(&instance, &sorna::SingleInstance::CommandLineReceived, &window,
                     [&window](const sorna::HandOverRequest& request) {
                         window.OpenHandedOverDocument(sorna::CommandLineOf(request));
                     });
    static_cast<void>(instance.Serve(window));
    return QApplication::exec();
}
