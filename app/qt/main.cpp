#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QWindow>
#include <cstdio>
#include <optional>

#include "app/qt/CommandLine.h"
#include "app/qt/MainWindow.h"
#include "app/qt/PackagedResources.h"
#include "app/qt/ToolBarArrowStyle.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/SingleInstance.h"
#include "platform/registry/Registry.h"
#include "resources/AppStrings.h"
#include "resources/CommandLineStrings.h"
#include "resources/Format.h"
#include "settings/Settings.h"

namespace {

// The desktop entry and the icon are installed under this name.
constexpr char kDesktopName[] = "sorna";
// A command line with an option that is not the reader's ends the start with this code.
constexpr int kUsageError = 2;

bool WindowCreated(const QWidget& window) {
    return window.windowHandle() != nullptr && window.windowHandle()->handle() != nullptr;
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

// A message of this start on the terminal, after the program's name as Qt's messages have it.
void Tell(const QString& message) {
    Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + message + u'\n');
}

// --help and --version are answered before the application starts: they need no display, and
// they leave the settings and a running reader alone. Nothing when the line asks for neither.
std::optional<int> AnswerOnTerminal(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const sorna::CommandLine line(arguments);
    if (!line.AsksForHelp() && !line.AsksForVersion()) {
        return std::nullopt;
    }
    // An application without windows gives the usage its program name and Qt's Korean headings.
    QCoreApplication application(argc, argv);
    static_cast<void>(sorna::LoadKoreanTranslation(application));
    Print(stdout, line.AsksForHelp() ? line.HelpText() : sorna::VersionText() + u'\n');
    return 0;
}

// The document the command line names, taken from this start's folder: a running reader it is
// handed to has a folder of its own. Of several, the first; empty when none is named.
std::u16string NamedDocument(const QStringList& named) {
    if (named.isEmpty()) {
        return {};
    }
    if (named.size() > 1) {
        Tell(sorna::ToQString(
            sorna::FormatText(sorna::kSeveralFilesNotice, {named.first().toStdU16String()})));
    }
    return QDir::cleanPath(QDir::current().absoluteFilePath(named.first())).toStdU16String();
}

// Hands the document to a running reader, or else shows it, or the document read last, in a
// window of this start's until that closes.
int HandOverOrShow(const std::u16string& namedDocument) {
    sorna::SingleInstance instance(sorna::ToQString(sorna::kInstanceName));
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
    // Looking through the icon themes takes milliseconds that the first page need not wait for.
    QObject::connect(
        &window, &sorna::MainWindow::PageShown, &window,
        [] { QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kDesktopName))); },
        Qt::SingleShotConnection);
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

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered = AnswerOnTerminal(argc, argv)) {
        return *answered;
    }
    QApplication application(argc, argv);
    // Before the first widget, the menu bar being a tool bar; over the style that Qt chose, which
    // the user may have named (-style, QT_STYLE_OVERRIDE).
    QApplication::setStyle(new sorna::ToolBarArrowStyle(QApplication::style()->name()));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopName));
    // Without Qt's Korean translation installed, Qt's own dialogs simply speak English.
    static_cast<void>(sorna::LoadKoreanTranslation(application));

    // Qt has taken its own options (-platform, -style, ...) off the line by now.
    const sorna::CommandLine line(QApplication::arguments());
    if (const QString error = line.Error(); !error.isEmpty()) {
        Tell(error);
        Print(stderr, line.HelpText());
        return kUsageError;
    }
    return HandOverOrShow(NamedDocument(line.Documents()));
}
