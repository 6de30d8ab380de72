#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ViewTestSupport.h"
#include "view/TextView.h"

namespace sorna {
namespace {

using test::FixedMetricsDevice;
using test::SetText;

class TextViewTest : public testing::Test {
protected:
    void LayOut(std::u16string_view text) {
        SetText(view.Document(), text);
        Relayout();
    }
    // Lays out anew and clears the layout flag, so each setter's effect shows.
    void Relayout() {
        ASSERT_TRUE(view.Layout(nullptr));
        ASSERT_FALSE(view.LayoutNeeded());
    }

    FixedMetricsDevice device;
    TextView view{device};
};

TEST_F(TextViewTest, OnlyWhatTheWrappingDependsOnNeedsALayout) {
    LayOut(u"text");
    view.SetColors(0x0000FF, 0xFFFFFF);
    view.SetTextArea({10, 0, 250, 200}, false);  // same width, other height
    EXPECT_FALSE(view.LayoutNeeded());
    const FontDescription fonts[] = {{u"Tahoma", 15, false, false},
                                     {u"Tahoma", 16, false, false},
                                     {u"Tahoma", 16, false, true},
                                     {u"Tahoma", 16, true, true}};
    for (const FontDescription& font : fonts) {
        view.SetFont(font.faceName, font.size, font.rotated, font.bold);
        EXPECT_TRUE(view.LayoutNeeded()) << font.size;
        Relayout();
    }
    view.SetTextArea({10, 0, 250, 300}, true);  // rotated, the height wraps
    EXPECT_TRUE(view.LayoutNeeded());
    Relayout();
    view.SetOptions(true, false);
    EXPECT_TRUE(view.LayoutNeeded());
    Relayout();
    view.SetLineSpacing(9);
    EXPECT_TRUE(view.LayoutNeeded());
}

TEST_F(TextViewTest, LineTextIsTrimmedAndEmptyOutsideTheTable) {
    LayOut(u"  first line \t\r\n\u3000둘째 줄\n");
    EXPECT_EQ(view.LineText(0), u"first line");
    EXPECT_EQ(view.LineText(1), u"둘째 줄");
    EXPECT_EQ(view.LineText(2), u"");
    EXPECT_EQ(view.LineText(-1), u"");
}

TEST_F(TextViewTest, ARelayoutKeepsTheTopLineInsideTheTable) {
    view.SetTextArea({0, 0, 43, 320}, false);  // four letters a line
    LayOut(u"aaaa bbbb cccc dddd");
    ASSERT_TRUE(view.SetTopLine(view.Lines().Count() - 1));
    view.SetTextArea({0, 0, 1000, 320}, false);
    Relayout();
    EXPECT_EQ(view.TopLine(), view.Lines().Count() - 1);
    EXPECT_EQ(view.TopOffset(), 19);
}

}  // namespace
}  // namespace sorna
