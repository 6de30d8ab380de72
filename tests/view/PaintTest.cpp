#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>

#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "view/qt/MeasureChars.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

using test::InkBounds;
using test::kBack;

const QColor kBarGrey(0x50, 0x50, 0x50);
const QColor kBarGreen(0xC0, 0xFF, 0xC0);

class PaintTest : public test::PageTest {};

std::u16string ManyLines(int count) {
    std::u16string text;
    for (int i = 0; i < count; ++i) {
        text += u"line\n";
    }
    return text;
}

TEST_F(PaintTest, BackgroundAndPositionBarOnTheFirstMiddleAndLastPage) {
    Show(ManyLines(30));  // 31 entries
    QImage page = Render();
    EXPECT_EQ(page.pixelColor(238, 10), kBack);  // above the text area
    EXPECT_EQ(page.pixelColor(237, 299), kBarGrey);
    EXPECT_EQ(page.pixelColor(238, 300), kBack);

    ASSERT_TRUE(view.SetTopLine(15));  // filled down to 20 + 280 * 15 / 30 = 160
    page = Render();
    EXPECT_EQ(page.pixelColor(238, 20), kBarGreen);
    EXPECT_EQ(page.pixelColor(238, 159), kBarGreen);
    EXPECT_EQ(page.pixelColor(238, 160), kBarGrey);

    ASSERT_TRUE(view.SetTopLine(30));  // the closing entry fills it to the bottom
    page = Render();
    EXPECT_EQ(page.pixelColor(238, 299), kBarGreen);
    EXPECT_EQ(InkBounds(page, QRect(0, 0, 236, 320)), QRect());  // an empty last page
}

TEST_F(PaintTest, TextStopsThreePixelsShortOfTheBarSide) {
    const std::u16string wide(60, u'M');  // one run, far wider than the area
    Show(wide);
    ASSERT_EQ(test::EntriesOf(view.Lines()), (std::vector<int32_t>{0, 0, 60, 60}));
    QRect ink = InkBounds(Render(), QRect(0, 0, 236, 320));
    EXPECT_EQ(ink.right(), 226);                   // cut at the line's rectangle, 230 - 3
    EXPECT_GE(ink.top(), 20 + view.LineHeight());  // line 0 is empty

    view.SetTextArea({10, 20, 230, 300}, true);
    const QImage page = Render();
    ink = InkBounds(page, QRect(3, 0, 237, 320));
    EXPECT_GE(ink.left(), 13);
    EXPECT_EQ(ink.right(), 229);
    EXPECT_EQ(page.pixelColor(1, 100), kBarGrey);
}

TEST_F(PaintTest, NothingIsShownAfterACarriageReturn) {
    Show(u"abc");
    const QImage plain = Render();
    Show(u"abc\rWWWW");
    ASSERT_EQ(view.Lines().Count(), 3);
    EXPECT_EQ(Render(), plain);
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

TEST_F(PaintTest, RotatedLinesAreStripsFromTheLeftReadingUpward) {
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

TEST(PageCanvas, WithoutAPageNothingIsPainted) {
    QWidget window;
    PageCanvas canvas;
    TextView view(canvas);
    test::SetText(view.Document(), u"text");
    ASSERT_TRUE(view.Layout(nullptr));
    QImage target(240, 320, QImage::Format_RGB32);
    target.fill(Qt::magenta);
    const QImage untouched = target;
    {
        QPainter painter(&target);
        canvas.PaintTo(painter, view);
        EXPECT_FALSE(canvas.CreateBuffers(window, 0, 320, 1.0));
        EXPECT_FALSE(canvas.CreateBuffers(window, 240, -1, 1.0));
        canvas.PaintTo(painter, view);
    }
    EXPECT_EQ(target, untouched);
}

// A shown window whose paint event draws the view, as the main window's does.
class PaintingWindow : public QWidget {
public:
    PaintingWindow(PageCanvas& canvas, TextView& view) : canvas_(canvas), view_(view) {}
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        canvas_.PaintTo(painter, view_);
        ++paints;
    }

private:
    PageCanvas& canvas_;
    TextView& view_;
};

TEST(PageCanvas, EverySmoothStepReachesTheWindowAtOnce) {
    PageCanvas canvas;
    TextView view(canvas);
    PaintingWindow window(canvas, view);
    window.resize(240, 320);
    window.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(canvas.CreateBuffers(window, 240, 320, 1.0));
    test::SetText(view.Document(), ManyLines(40));
    ASSERT_TRUE(view.Layout(nullptr));
    view.SetOptions(true, true);
    window.paints = 0;
    view.ScrollLines(7);
    EXPECT_EQ(window.paints, 7);
    EXPECT_EQ(view.TopLine(), 7);
}

}  // namespace
}  // namespace sorna
