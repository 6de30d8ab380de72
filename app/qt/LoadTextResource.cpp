#include "app/qt/LoadTextResource.h"

#include <QFile>
#include <QPlainTextEdit>

#include "app/TextResourceText.h"
#include "platform/qt/QtText.h"

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

}  // namespace sorna
