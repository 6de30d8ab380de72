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
        device.repaints = 0;
    }

    FixedMetricsDevice device;
    TextView view{device};
};

TEST_F(ScrollTest, StepsStopAtBothEndsAndRepaintOncePerStep) {
    EXPECT_EQ(view.LinesPerPage(), 12);
    view.ScrollLines(INT_MAX);
    EXPECT_EQ(view.TopLine(), 100);  // the closing entry: an empty last page
    view.ScrollLines(INT_MIN);
    EXPECT_EQ(view.TopLine(), 0);
    view.ScrollLines(0);
    EXPECT_EQ(device.repaints, 3);  // an unchanged page included
    EXPECT_FALSE(view.SetTopLine(101));
    EXPECT_FALSE(view.SetTopLine(-1));

    // Smooth scrolling paints every line it passes, and no page beyond the closing entry.
    view.SetOptions(true, true);
    ASSERT_TRUE(view.SetTopLine(97));
    device.repaints = 0;
    view.ScrollLines(10);
    EXPECT_EQ(view.TopLine(), 100);
    EXPECT_EQ(device.repaints, 3);
}

TEST_F(ScrollTest, OffsetsAndLines) {
    EXPECT_EQ(view.FindLine(5), 0);  // inside line 0, never line 1
    EXPECT_EQ(view.FindLine(8), 1);
    EXPECT_EQ(view.FindLine(800), 99);  // the text length gives the last line
    EXPECT_EQ(view.FindLine(801), std::nullopt);
    EXPECT_TRUE(view.GoToOffset(8 * 42 + 3));
    EXPECT_EQ(view.TopLine(), 42);
    EXPECT_FALSE(view.GoToOffset(-1));
    EXPECT_FALSE(view.GoToOffset(801));
    EXPECT_EQ(view.TopLine(), 42);
}

TEST_F(ScrollTest, WordUnderATapInBothOrientations) {
    view.ClearDocument();
    SetText(view.Document(), u"hello, world\n가나다 라\n");
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.WordAt(25, 5).word, u"hello");  // the first l, 20 to 30 pixels in
    EXPECT_EQ(view.WordAt(30, 25).word, u"가나다");
    EXPECT_EQ(view.WordAt(65, 5).wordClass, CharClass::Space);  // the space after the comma
    EXPECT_EQ(view.WordAt(200, 5).word, u"");                   // past the end of the line
    EXPECT_EQ(view.WordAt(25, 45).word, u"");                   // no third line

    // Rotated: the row from x, the position upward from the bottom.
    view.SetFont(u"굴림", 15, true, false);
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.WordAt(5, 250 - 25).word, u"hello");
    EXPECT_EQ(view.WordAt(25, 250 - 30).word, u"가나다");
}

}  // namespace
}  // namespace sorna
