#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <numeric>
#include <string>
#include <tuple>

#include "document/LoadDocument.h"
#include "platform/qt/QtConversions.h"
#include "resources/Format.h"
#include "tests/support/Corpus.h"
#include "tests/support/ViewTestSupport.h"
#include "view/PagePlan.h"
#include "view/TextView.h"
#include "view/qt/MeasureChars.h"
#include "view/qt/PageCanvas.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

const QColor kBack(0x10, 0x30, 0x60);  // dark blue

// Bounding box, in image pixels, of what differs from the background inside `within`.
QRect InkBounds(const QImage& image, const QRect& within) {
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (image.pixelColor(x, y) != kBack) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// A view in NanumGothic 15 on a 240 x 320 client area, painted offscreen. The canvas draws what
// the page plan decides; where rows and the bar go is tested on the plan.
class PaintTest : public testing::Test {
protected:
    void SetUp() override {
        view.SetFont(u"NanumGothic", 15, false, false);
        view.SetColors({0x00FFFF, 0x603010});  // yellow on kBack
        view.SetTextArea({10, 20, 230, 300}, false);
    }

    void Show(std::u16string_view text) {
        view.ClearDocument();
        test::SetText(view.Document(), text);
        ASSERT_TRUE(view.Layout(nullptr));
    }

    // The window's client area after a paint of the current page's part `area` (all of it by
    // default); the rest stays magenta.
    QImage Render(qreal devicePixelRatio = 1.0, const QRect& area = QRect(0, 0, 240, 320)) {
        QImage target(int(240 * devicePixelRatio), int(320 * devicePixelRatio),
                      QImage::Format_RGB32);
        target.setDevicePixelRatio(devicePixelRatio);
        target.fill(Qt::magenta);
        QPainter painter(&target);
        canvas.PaintTo(painter, PlanPage(view, 240), area);
        return target;
    }

    PageCanvas canvas;
    TextView view{canvas};
};

TEST_F(PaintTest, FillsAndTextStayInsideTheirRectangles) {
    Show(std::u16string(60, u'M'));   // an empty line, then one run far wider than the area
    ASSERT_TRUE(view.SetTopLine(1));  // the bar filled down to 20 + 280 * 1 / 3 = 113
    const QImage page = Render();
    EXPECT_EQ(InkBounds(page, QRect(0, 0, 236, 320)).right(), 226);  // 230 - 3, exclusive
    EXPECT_EQ(page.pixelColor(238, 10), kBack);                      // above the text area
    EXPECT_EQ(page.pixelColor(238, 112), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(page.pixelColor(238, 113), QColor(0x50, 0x50, 0x50));
}

// A window repaints only the part that was exposed: that part as the whole page shows it, in
// its place, at any pixel ratio, and nothing else.
TEST_F(PaintTest, AnExposedPartIsPaintedAsTheWholePageShowsIt) {
    for (const qreal ratio : {1.0, 2.0}) {
        Show(u"가나다라마바사\n아자차카타파하\nSorna 한글 mixed 문장");
        const QImage whole = Render(ratio);
        const QRect part(30, 25, 150, 40);
        const QImage painted = Render(ratio, part);
        const QRect pixels(part.topLeft() * ratio, part.size() * ratio);
        EXPECT_EQ(painted.copy(pixels), whole.copy(pixels)) << ratio;
        EXPECT_EQ(painted.pixelColor(pixels.left() - 1, pixels.top()), QColor(Qt::magenta));
        EXPECT_EQ(painted.pixelColor(pixels.right() + 1, pixels.bottom()), QColor(Qt::magenta));
        EXPECT_EQ(painted.pixelColor(pixels.left(), pixels.bottom() + 1), QColor(Qt::magenta));
    }
}

// Ink of a one-line text drawn on an area far wider than it, against its measured width.
TEST_F(PaintTest, TextIsDrawnNoWiderThanItIsMeasured) {
    view.SetTextArea({0, 20, 4000, 300}, false);
    const CharMetrics metrics = MeasureChars(MakeViewFont(view.Font()));
    for (const qreal ratio : {1.0, 2.0}) {
        for (const std::u16string_view text :
             {u"가나다라마바사아자차카타", u"Sorna 한글 mixed 문장"}) {
            Show(text);
            int64_t measured = 0;
            for (char16_t c : text) {
                measured += metrics.Width(c);
            }
            ASSERT_LT(measured, 236);
            const QImage page = Render(ratio);
            const QRect ink = InkBounds(page, QRect(0, 0, int(236 * ratio), page.height()));
            EXPECT_LE(ink.right() / ratio, measured) << "drawn wider than measured";
            EXPECT_GE(ink.right() / ratio, measured - metrics.Width(text.back()) - 1);
        }
    }
}

TEST_F(PaintTest, TabsExpandToStopsOfEightAverageCharacterWidths) {
    const QFont font = MakeViewFont(view.Font());
    const int stop = 8 * QFontMetrics(font).averageCharWidth();
    Show(u"i\tb");
    const int afterI = 10 + MeasureChars(font).charWidths[u'i'];
    const QRect b = InkBounds(Render(), QRect(afterI, 20, stop + 40, 21));
    EXPECT_GE(b.left(), 10 + stop);
    EXPECT_LE(b.left(), 10 + stop + 2);
}

TEST_F(PaintTest, RotatedTextReadsUpwardFromTheStripsBottom) {
    view.SetFont(u"NanumGothic", 15, true, false);
    Show(u"가\n나다라마");
    const QImage page = Render();
    const int height = view.LineHeight();
    const int wide = MeasureChars(MakeViewFont(view.Font())).wideWidth;
    EXPECT_GE(InkBounds(page, QRect(0, 0, 10 + height, 320)).top(), 300 - wide - 1);
    const QRect second = InkBounds(page, QRect(10 + height, 0, height, 320));
    EXPECT_GE(second.top(), 300 - 4 * wide - 1);
    EXPECT_LT(second.top(), 300 - 3 * wide);  // four syllables upward from the bottom
    EXPECT_LT(second.bottom(), 300);
}

// Real Korean and English paragraphs, upright and turned: a justified row is drawn to within a
// character of its end and never past it; the last row of a paragraph keeps its ragged end.
TEST_F(PaintTest, JustifiedRowsReachTheirEndButNeverPassItAndParagraphEndsStayRagged) {
    view.SetReadingAids({.justify = true});
    for (const char* name : {"ko-utf8-novel-03.txt", "en-gutenberg-03.txt"}) {
        for (const bool rotated : {false, true}) {
            view.SetFont(u"NanumGothic", 15, rotated, false);
            view.ClearDocument();
            ASSERT_TRUE(LoadDocument(view.Document(), Widen(corpus::File(name).string()), nullptr));
            ASSERT_TRUE(view.Layout(nullptr));
            ASSERT_TRUE(view.GoToOffset(view.Document().length / 2));
            const PagePlan plan = PlanPage(view, 240);
            const QImage page = Render();
            int justified = 0;
            int ragged = 0;
            for (size_t row = 0; row < plan.rows.size(); ++row) {
                const ViewRect& rect = plan.rows[row].rect;
                const QRect ink = InkBounds(
                    page, QRect(rect.left, rect.top, int(rect.Width()), int(rect.Height())) &
                              page.rect());
                if (ink.isEmpty()) {
                    continue;
                }
                // How far along the row the ink reaches, and how far it may.
                const int reach = rotated ? 300 - ink.top() : ink.right() + 1 - 10;
                const int end = rotated ? 280 : 217;
                if (plan.rows[row].justification == Justification{}) {
                    ragged += reach < end - 20;
                    continue;
                }
                ++justified;
                EXPECT_LE(reach, end) << name << " row " << row;
                // The last character's ink may stop anywhere inside its advance.
                const std::u16string& text = plan.rows[row].text;
                const char16_t last = text[text.find_last_not_of(u" ")];
                EXPECT_GE(reach, end - view.Metrics().Width(last)) << name << " row " << row;
            }
            EXPECT_GE(justified, 2) << name;
            EXPECT_GT(ragged, 0) << name;
        }
    }
}

// The family Qt draws the only character of `text` in.
QString DrawnFamily(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns().front().rawFont().familyName();
}

TEST(ViewFont, LettersComeFromTheFaceWhenInstalledAndHangulFromTheKoreanFamilyIfTheFaceHasNone) {
    const struct {
        std::u16string face;
        const char* latin;
        const char* hangul;
    } cases[] = {
        {u"Tahoma", "NanumGothic", "NanumGothic"},  // not installed
        {u"DejaVu Serif", "DejaVu Serif", "NanumGothic"},
        {u"NanumMyeongjo", "NanumMyeongjo", "NanumMyeongjo"},
    };
    for (const auto& [face, latin, hangul] : cases) {
        const QFont font = MakeViewFont({face, 15, false, false});
        EXPECT_EQ(DrawnFamily(font, QStringLiteral("S")), QLatin1String(latin));
        EXPECT_EQ(DrawnFamily(font, QStringLiteral("한")), QLatin1String(hangul));
    }
    // Hand-edited sizes of zero or below still measure.
    for (const int32_t size : {0, -15}) {
        const QFont font = MakeViewFont({u"NanumGothic", size, false, false});
        EXPECT_EQ(font.pixelSize(), 1);
        EXPECT_GT(MeasureChars(font).wideHeight, 0);
    }
}

// Real English and Korean text, in the default face and in a face without Hangul whose dashes
// are wider than a Hangul syllable: each line is drawn no wider than the layout measured it.
TEST_F(PaintTest, RealTextIsDrawnNoWiderThanItIsMeasuredInAnyFace) {
    for (const auto& [face, size, bold] : {std::tuple{u"Tahoma", 15, false},
                                           {u"DejaVu Serif", 15, false},
                                           {u"DejaVu Serif", 23, true}}) {
        view.SetFont(face, size, false, bold);
        const QFontMetricsF drawn(MakeViewFont(view.Font()));
        const CharMetrics metrics = canvas.MeasureChars(view.Font());
        for (const char* name : {"en-gutenberg-01-large.txt", "ko-utf8-novel-03.txt"}) {
            view.ClearDocument();
            ASSERT_TRUE(LoadDocument(view.Document(), Widen(corpus::File(name).string()), nullptr));
            ASSERT_TRUE(view.Layout(nullptr));
            for (int32_t n = 0; n + 1 < view.Lines().Count(); ++n) {
                std::u16string_view line = view.LineChars(n);
                line = line.substr(0, line.find_last_not_of(u" \r\n") + 1);  // what hangs
                const int64_t measured = std::accumulate(
                    line.begin(), line.end(), int64_t{0},
                    [&](int64_t sum, char16_t c) { return sum + metrics.Width(c); });
                EXPECT_LE(drawn.horizontalAdvance(ToQString(line)), measured) << name << " " << n;
            }
        }
    }
}

}  // namespace
}  // namespace sorna
