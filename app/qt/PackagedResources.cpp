#include "app/qt/PackagedResources.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTranslator>
#include <memory>

#include "app/ShellTexts.h"
#include "platform/qt/QtConversions.h"
#include "resources/AppStrings.h"

namespace sorna {

namespace {

// Text resources are kept under this prefix, each file by its resource name.
const QString kTextResourceFolder = QStringLiteral(":/TXT/");

}  // namespace

void LoadTextResource(QPlainTextEdit& control, std::u16string_view name) {
    QFile resource(kTextResourceFolder + ToQString(name));
    // A resource that is missing or cannot be read leaves the control as it was.
    if (!resource.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray bytes = resource.readAll();
    const std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        static_cast<size_t>(bytes.size()));
    control.setPlainText(ToQString(TextResourceText(data)));
}

namespace {

// Qt's translation gives the buttons keyboard mnemonics ("예(&Y)"); the reader's buttons read
// plain words, as in the rest of its interface.
class ButtonTexts : public QTranslator {
public:
    explicit ButtonTexts(QObject* parent) : QTranslator(parent) {}

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QPlatformTheme") != 0) {
            return QTranslator::translate(context, sourceText, disambiguation, n);
        }
        if (qstrcmp(sourceText, "&Yes") == 0) {
            return ToQString(kButtonYes);
        }
        if (qstrcmp(sourceText, "&No") == 0) {
            return ToQString(kButtonNo);
        }
        if (qstrcmp(sourceText, "OK") == 0) {
            return ToQString(kButtonOk);
        }
        return {};
    }
};

}  // namespace

bool LoadKoreanTranslation(QCoreApplication& application) {
    auto qtTexts = std::make_unique<QTranslator>();
    const bool found =
        qtTexts->load(QLocale(QLocale::Korean, QLocale::SouthKorea), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (found) {
        qtTexts->setParent(&application);
        QCoreApplication::installTranslator(qtTexts.release());
    }
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(new ButtonTexts(&application));
    return found;
}

}  // namespace sorna
