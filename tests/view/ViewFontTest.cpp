#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <string>

#include "view/qt/MeasureChars.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

TEST(ViewFont, FacesWithoutHangulAreDrawnInAKoreanFamily) {
    const QStringList korean = QFontDatabase::families(QFontDatabase::Korean);
    ASSERT_FALSE(korean.isEmpty()) << "fonts-nanum is not installed";
    for (const std::u16string face : {u"Tahoma", u"굴림", u"DejaVu Sans", u""}) {
        const QFont font = MakeViewFont({face, 15, false, false});
        EXPECT_TRUE(korean.contains(QFontInfo(font).family()))
            << QString::fromStdU16String(face).toStdString() << " became "
            << QFontInfo(font).family().toStdString();
    }
    EXPECT_EQ(QFontInfo(MakeViewFont({u"NanumMyeongjo", 15, false, false})).family(),
              QStringLiteral("NanumMyeongjo"));
}

TEST(ViewFont, HandEditedSizesOfZeroOrBelowStillMeasure) {
    for (const int32_t size : {0, -15}) {
        const QFont font = MakeViewFont({u"NanumGothic", size, false, false});
        EXPECT_EQ(font.pixelSize(), 1);
        EXPECT_GT(MeasureChars(font).wideHeight, 0);
    }
}

}  // namespace
}  // namespace sorna
