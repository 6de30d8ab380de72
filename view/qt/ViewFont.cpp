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

// The face first when it is a text family, then the Korean family unless it is the face itself.
// With neither installed the face is asked for all the same, and the system stands in for it.
QStringList FamiliesFor(const QString& face) {
    QStringList families;
    if (IsTextFamily(face)) {
        families.append(face);
    }
    const QString korean = KoreanFamily();
    if (!korean.isEmpty() && !families.contains(korean, Qt::CaseInsensitive)) {
        families.append(korean);
    }
    return families.isEmpty() ? QStringList{face} : families;
}

}  // namespace

bool IsTextFamily(const QString& family) {
    return QFontDatabase::hasFamily(family) &&
           !QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
}

QFont MakeViewFont(const FontDescription& description) {
    const std::u16string& face = description.faceName;
    QFont font;
    font.setFamilies(FamiliesFor(QString::fromUtf16(face.data(), qsizetype(face.size()))));
    // A hand-edited size of 0 or below still makes a font.
    font.setPixelSize(std::max(1, description.size));
    font.setWeight(description.bold ? QFont::Bold : QFont::Normal);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace sorna
