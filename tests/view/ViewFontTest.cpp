#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>

#include <string>

#include "PageTestSupport.h"
#include "view/qt/MeasureChars.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

using test::InkBounds;

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

class RealFontTest : public test::PageTest {
protected:
    // Ink of a one-line text drawn on an area far wider than it, against its measured width.
    void ExpectDrawnWithinMeasuredWidth(std::u16string_view text, qreal devicePixelRatio) {
        ASSERT_TRUE(canvas.CreateBuffers(window, 240, 320, devicePixelRatio));
        view.SetTextArea({0, 20, 4000, 300}, false);
        Show(text);
        const CharMetrics metrics = MeasureChars(MakeViewFont(view.Font()));
        int64_t measured = 0;
        for (char16_t c : text) {
            measured += metrics.Width(c);
        }
        ASSERT_LT(measured, 236);
        const QImage page = Render(devicePixelRatio);
        const QRect ink = InkBounds(page, QRect(0, 0, int(236 * devicePixelRatio), page.height()));
        EXPECT_LE(ink.right() / devicePixelRatio, measured) << "drawn wider than measured";
        EXPECT_GE(ink.right() / devicePixelRatio, measured - metrics.Width(text.back()) - 1);
    }
};

TEST_F(RealFontTest, TextIsDrawnNoWiderThanItIsMeasured) {
    for (const qreal ratio : {1.0, 2.0}) {
        ExpectDrawnWithinMeasuredWidth(u"가나다라마바사아자차카타", ratio);
        ExpectDrawnWithinMeasuredWidth(u"Sorna 한글 mixed 문장", ratio);
    }
}

}  // namespace
}  // namespace sorna
