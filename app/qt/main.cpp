#include <QApplication>
#include <QIcon>
#include <QWindow>

#include "app/qt/MainWindow.h"
#include "app/qt/PackagedResources.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/SingleInstance.h"
#include "resources/AppStrings.h"
#include "settings/AppSettings.h"

namespace {

// The desktop entry and the icon are installed under this name.
constexpr char kDesktopName[] = "sorna";

bool WindowCreated(const QWidget& window) {
    return window.windowHandle() != nullptr && window.windowHandle()->handle() != nullptr;
}

}  // namespace

// The settings were loaded during static initialisation, before this entry ran, and are
// destroyed after it returns without being saved again.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopName));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kDesktopName)));
    // Without Qt's Korean translation installed, Qt's own dialogs simply speak English.
    static_cast<void>(sorna::LoadKoreanTranslation(application));

    sorna::SingleInstance instance(sorna::ToQString(sorna::kInstanceName));
    if (instance.HandOverToRunning(sorna::CommandLineText(QApplication::arguments()))) {
        return 0;
    }
    sorna::MainWindow window(sorna::AppSettings());
    window.show();
    // Without a window nothing would ever end the loop.
    if (!WindowCreated(window)) {
        return 0;
    }
    // A command line handed over by a later start is answered and otherwise left alone. Where
    // the channel cannot be set up this reader still works; later starts then wait a while and end.
    static_cast<void>(instance.Serve(window));
    return QApplication::exec();
}
