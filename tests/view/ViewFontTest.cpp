#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>

#include <string>

#include "PageTestSupport.h"
#include "view/MeasureChars.h"
#include "view/ViewFont.h"

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

TEST_F(RealFontTest, KoreanWrapsBetweenSyllables) {
    const std::u16string syllables =
        u"동해물과백두산이마르고닳도록하느님이보우하사우리나라만세무궁화삼천리화려강산대한사람"
        u"대한으로길이보전하세";
    Show(syllables);
    const CharMetrics metrics = MeasureChars(MakeViewFont(view.Font()));
    const int32_t perLine = int32_t((220 - 3) / metrics.wideWidth);
    const LineTable& lines = view.Lines();
    ASSERT_GT(lines.Count(), 3);
    for (int32_t n = 0; n + 2 < lines.Count() - 1; ++n) {
        EXPECT_EQ(lines[n + 1] - lines[n], perLine) << n;
    }
    // Every syllable of a full line is shown: the ink reaches the last one.
    const QRect ink = InkBounds(Render(), QRect(10, 20, 217, view.LineHeight()));
    EXPECT_GE(ink.right(), 10 + (perLine - 1) * metrics.wideWidth);
}

}  // namespace
}  // namespace sorna
