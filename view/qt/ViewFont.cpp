#include "view/qt/ViewFont.h"

#include <QFontDatabase>
#include <QList>
#include <QStringList>

#include <algorithm>

namespace sorna {
namespace {

QString KoreanFamily() {
    const QStringList korean = QFontDatabase::families(QFontDatabase::Korean);
    if (korean.contains(QStringLiteral("NanumGothic"))) {
        return QStringLiteral("NanumGothic");
    }
    return korean.isEmpty() ? QString() : korean.front();
}

QString FamilyFor(const QString& face) {
    if (QFontDatabase::writingSystems(face).contains(QFontDatabase::Korean)) {
        return face;
    }
    const QString korean = KoreanFamily();
    return korean.isEmpty() ? face : korean;
}

}  // namespace

QFont MakeViewFont(const FontDescription& description) {
    const std::u16string& face = description.faceName;
    QFont font(FamilyFor(QString::fromUtf16(face.data(), qsizetype(face.size()))));
    // A hand-edited size of 0 or below still makes a font.
    font.setPixelSize(std::max(1, description.size));
    font.setWeight(description.bold ? QFont::Bold : QFont::Normal);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace sorna
