#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace sorna {

// What the reader's command line asks for: -h or --help, -v or --version, and the document to
// open. "--" ends the options, so a name after it that starts with '-' is a document too.
class CommandLine {
public:
    // `arguments` as the program was given them, its own name first.
    explicit CommandLine(const QStringList& arguments);

    [[nodiscard]] bool AsksForHelp() const;
    [[nodiscard]] bool AsksForVersion() const;
    // What is wrong with the line, in Qt's words; empty when nothing is. Until the application
    // has taken Qt's own options (-platform, -style, ...) off the line, they are wrong here too.
    [[nodiscard]] QString Error() const;
    // The usage, the options and the file, with Qt's headings in the application's language.
    [[nodiscard]] QString HelpText() const;
    // The names that are no options, in their order.
    [[nodiscard]] QStringList Documents() const;

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    bool wellFormed_ = false;
};

// What --version prints: the product and its version, as the about box shows them.
QString VersionText();

}  // namespace sorna
