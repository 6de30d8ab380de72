#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ViewTestSupport.h"
#include "document/ProgressText.h"
#include "view/TextView.h"

namespace sorna {
namespace {

using test::FixedMetricsDevice;
using test::SetText;

class RecordedProgress : public ProgressText {
public:
    void SetProgressText(std::u16string_view text) override { texts.emplace_back(text); }
    std::vector<std::u16string> texts;
};

class TextViewTest : public testing::Test {
protected:
    // A laid-out view with the layout flag cleared, so each setter's effect shows.
    void LayOut(std::u16string_view text) {
        SetText(view.Document(), text);
        ASSERT_TRUE(view.Layout(nullptr));
        ASSERT_FALSE(view.LayoutNeeded());
    }
    void Relayout() { ASSERT_TRUE(view.Layout(nullptr)); }

    FixedMetricsDevice device;
    TextView view{device};
};

TEST_F(TextViewTest, OnlyWhatTheWrappingDependsOnNeedsALayout) {
    LayOut(u"text");
    view.SetFont(u"굴림", 15, false, false);  // the font the view starts with
    view.SetColors(0x0000FF, 0xFFFFFF);
    view.SetOptions(true, true);
    view.SetLineSpacing(4);
    view.SetTextArea({10, 0, 250, 200}, true);  // same width, other height
    EXPECT_FALSE(view.LayoutNeeded());
    const std::vector<FontDescription> fonts = {{u"Tahoma", 15, false, false},
                                                {u"tahoma", 15, false, false},
                                                {u"tahoma", 16, false, false},
                                                {u"tahoma", 16, false, true},
                                                {u"tahoma", 16, true, true}};
    for (const FontDescription& font : fonts) {
        Relayout();
        view.SetFont(font.faceName, font.size, font.rotated, font.bold);
        EXPECT_TRUE(view.LayoutNeeded()) << font.size;
    }
    Relayout();
    view.SetTextArea({10, 0, 250, 300}, true);  // rotated, the height wraps
    EXPECT_TRUE(view.LayoutNeeded());
    Relayout();
    view.SetOptions(true, false);
    EXPECT_TRUE(view.LayoutNeeded());
    Relayout();
    view.SetLineSpacing(9);
    EXPECT_TRUE(view.LayoutNeeded());
}

TEST_F(TextViewTest, FaceNamesAreCutToThirtyOneCodeUnits) {
    const std::u16string longFace(40, u'가');
    view.SetFont(longFace, 15, false, false);
    EXPECT_EQ(view.Font().faceName, std::u16string(31, u'가'));
    LayOut(u"text");
    view.SetFont(longFace, 15, false, false);
    EXPECT_FALSE(view.LayoutNeeded());
}

TEST_F(TextViewTest, LayoutMeasuresEveryTimeAndRebuildsOnlyWhenNeeded) {
    RecordedProgress progress;
    ASSERT_TRUE(view.Layout(&progress));  // no document: nothing at all
    EXPECT_TRUE(device.measuredFonts.empty());
    EXPECT_TRUE(progress.texts.empty());

    SetText(view.Document(), u"one two");
    ASSERT_TRUE(view.Layout(&progress));
    EXPECT_EQ(progress.texts, std::vector<std::u16string>{u"정렬중.."});
    EXPECT_EQ(view.LineHeight(), 16 + 4);
    view.SetLineSpacing(9);
    EXPECT_EQ(view.LineHeight(), 20);  // until the next layout
    ASSERT_TRUE(view.Layout(&progress));
    ASSERT_TRUE(view.Layout(&progress));
    EXPECT_EQ(view.LineHeight(), 25);
    EXPECT_EQ(progress.texts.size(), 2u);
    EXPECT_EQ(device.measuredFonts.size(), 3u);
}

TEST_F(TextViewTest, ClearingForANewDocumentKeepsOnlyTheLastError) {
    LayOut(u"one\ntwo\nthree\n");
    view.Document().documentPath = u"/tmp/a.txt";
    view.Document().loadError = u"파일 열기 실패";
    ASSERT_TRUE(view.SetTopLine(2));
    view.ClearDocument();
    EXPECT_FALSE(view.Document().HasDocument());
    EXPECT_TRUE(view.Document().documentPath.empty());
    EXPECT_EQ(view.Document().loadError, u"파일 열기 실패");
    EXPECT_EQ(view.Lines().Capacity(), 0);
    EXPECT_EQ(view.TopLine(), 0);
    EXPECT_TRUE(view.LayoutNeeded());
}

TEST_F(TextViewTest, LineTextIsTrimmedAndEmptyOutsideTheTable) {
    LayOut(u"  first line \t\r\n\u3000둘째 줄\n");
    EXPECT_EQ(view.LineText(0), u"first line");
    EXPECT_EQ(view.LineChars(0), u"  first line \t\r\n");
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
