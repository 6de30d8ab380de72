#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ViewTestSupport.h"
#include "view/TextView.h"

namespace sorna {
namespace {

using test::FixedMetricsDevice;
using test::SetText;

// 100 display lines "line NN\n" of 8 code units; lines are 20 pixels high, 12 to a page.
class ScrollTest : public testing::Test {
protected:
    void SetUp() override {
        std::u16string text;
        for (int i = 0; i < 100; ++i) {
            text += u"line " + std::u16string(1, u'0' + i / 10) + char16_t(u'0' + i % 10) + u"\n";
        }
        SetText(view.Document(), text);
        view.SetTextArea({0, 0, 240, 250}, false);
        ASSERT_TRUE(view.Layout(nullptr));
        ASSERT_EQ(view.Lines().Count(), 101);
        device.repaints = 0;
    }

    FixedMetricsDevice device;
    TextView view{device};
};

TEST_F(ScrollTest, PageStepsAndClamping) {
    EXPECT_EQ(view.LinesPerPage(), 12);
    view.ScrollLines(12 - 1);  // next page keeping one line
    EXPECT_EQ(view.TopLine(), 11);
    view.ScrollLines(1 - 12);
    EXPECT_EQ(view.TopLine(), 0);
    view.ScrollLines(-5);
    EXPECT_EQ(view.TopLine(), 0);
    view.ScrollLines(INT_MAX);
    EXPECT_EQ(view.TopLine(), 100);  // the closing entry: an empty last page
    view.ScrollLines(INT_MIN);
    EXPECT_EQ(view.TopLine(), 0);
    view.ScrollLines(0);
    EXPECT_EQ(device.repaints, 6);  // once per step, an unchanged page included
    EXPECT_FALSE(view.SetTopLine(101));
    EXPECT_FALSE(view.SetTopLine(-1));
    EXPECT_EQ(view.TopLine(), 0);
}

TEST_F(ScrollTest, SmoothScrollingPaintsEverySingleLineStep) {
    view.SetOptions(true, true);
    view.ScrollLines(10);
    EXPECT_EQ(view.TopLine(), 10);
    EXPECT_EQ(device.repaints, 10);
    view.ScrollLines(0);
    EXPECT_EQ(device.repaints, 10);

    ASSERT_TRUE(view.SetTopLine(97));
    device.repaints = 0;
    view.ScrollLines(10);  // stops at the closing entry without an extra page
    EXPECT_EQ(view.TopLine(), 100);
    EXPECT_EQ(device.repaints, 3);
    view.ScrollLines(-2);
    EXPECT_EQ(view.TopLine(), 98);
    EXPECT_EQ(device.repaints, 5);
}

TEST_F(ScrollTest, OffsetsAndLines) {
    EXPECT_EQ(view.FindLine(5), 0);  // inside line 0, never line 1
    EXPECT_EQ(view.FindLine(8), 1);
    EXPECT_EQ(view.FindLine(800), 99);  // the text length gives the last line
    EXPECT_EQ(view.FindLine(801), std::nullopt);

    EXPECT_TRUE(view.GoToOffset(8 * 42 + 3));
    EXPECT_EQ(view.TopLine(), 42);
    EXPECT_EQ(view.TopOffset(), 8 * 42);
    EXPECT_FALSE(view.GoToOffset(-1));
    EXPECT_FALSE(view.GoToOffset(801));
    EXPECT_EQ(view.TopLine(), 42);
    EXPECT_TRUE(view.GoToOffset(800));
    EXPECT_EQ(view.TopLine(), 99);
}

TEST_F(ScrollTest, AReadingPositionSurvivesAFontChange) {
    view.SetTextArea({0, 0, 53, 250}, false);  // "line" and "NN\n" on lines of their own
    ASSERT_TRUE(view.Layout(nullptr));
    ASSERT_TRUE(view.SetTopLine(121));
    const int32_t position = view.TopOffset();
    device.metrics.charWidths.fill(7);
    view.SetFont(u"굴림", 11, false, false);
    ASSERT_TRUE(view.Layout(nullptr));
    ASSERT_TRUE(view.GoToOffset(position));
    const int32_t top = view.TopLine();
    EXPECT_LE(view.Lines()[top], position);
    EXPECT_GT(view.Lines()[top + 1], position);
}

TEST_F(ScrollTest, TheBarJumpsInProportion) {
    view.JumpToBar(125);
    EXPECT_EQ(view.TopLine(), 50);
    view.JumpToBar(-40);
    EXPECT_EQ(view.TopLine(), 0);
    view.JumpToBar(400);
    EXPECT_EQ(view.TopLine(), 100);
    EXPECT_EQ(device.repaints, 3);
}

TEST_F(ScrollTest, WordUnderATapInBothOrientations) {
    view.ClearDocument();
    SetText(view.Document(), u"hello, world\n가나다 라\n");
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.WordAt(25, 5).word, u"hello");  // the first l, 20 to 30 pixels in
    EXPECT_EQ(view.WordAt(25, 5).wordClass, CharClass::Letter);
    EXPECT_EQ(view.WordAt(30, 25).word, u"가나다");
    EXPECT_EQ(view.WordAt(65, 5).word, u"");  // the space after the comma
    EXPECT_EQ(view.WordAt(65, 5).wordClass, CharClass::Space);
    EXPECT_EQ(view.WordAt(200, 5).word, u"");       // past the end of the line
    EXPECT_EQ(view.WordAt(25, 45).word, u"");       // no third line
    EXPECT_EQ(view.WordAt(25, -5).word, u"hello");  // less than a line above is row 0

    // Rotated: the row from x, the position upward from the bottom.
    view.SetFont(u"굴림", 15, true, false);
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.WordAt(5, 250 - 25).word, u"hello");
    EXPECT_EQ(view.WordAt(25, 250 - 30).word, u"가나다");
}

TEST_F(ScrollTest, LettersOfTheBottomRowPaceAutoScroll) {
    ASSERT_TRUE(view.SetTopLine(100 - 12));  // line 99 "line 99" on the bottom row
    EXPECT_EQ(view.CountLetters(), 6);
    view.ScrollLines(1);
    EXPECT_EQ(view.CountLetters(), std::nullopt);
}

}  // namespace
}  // namespace sorna
