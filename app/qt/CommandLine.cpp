#include "app/qt/CommandLine.h"

#include "platform/qt/QtConversions.h"
#include "resources/AboutStrings.h"
#include "resources/AppStrings.h"
#include "resources/CommandLineStrings.h"
#include "resources/Format.h"

namespace sorna {

CommandLine::CommandLine(const QStringList& arguments)
    : help_({QStringLiteral("h"), QStringLiteral("help")}, ToQString(kHelpOptionText)),
      version_({QStringLiteral("v"), QStringLiteral("version")}, ToQString(kVersionOptionText)) {
    // Qt's own options are words after one dash: read as letters, -reverse would hold a -v.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.setApplicationDescription(ToQString(kAboutDescription));
    parser_.addOption(help_);
    parser_.addOption(version_);
    parser_.addPositionalArgument(ToQString(kFileArgumentName), ToQString(kFileArgumentText),
                                  ToQString(kFileArgumentSyntax));
    wellFormed_ = parser_.parse(arguments);
}

bool CommandLine::AsksForHelp() const {
    return parser_.isSet(help_);
}

bool CommandLine::AsksForVersion() const {
    return parser_.isSet(version_);
}

QString CommandLine::Error() const {
    return wellFormed_ ? QString() : parser_.errorText();
}

QString CommandLine::HelpText() const {
    return parser_.helpText();
}

QStringList CommandLine::Documents() const {
    return parser_.positionalArguments();
}

QString VersionText() {
    return ToQString(FormatText(kAboutVersionPattern, {kProductName, kProductVersion}));
}

}  // namespace sorna
