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

    FixedMetricsDevice device;
    TextView view{device};
};

TEST_F(TextViewTest, StartsWithTheDefaultFontAndNeedsALayout) {
    EXPECT_TRUE(view.LayoutNeeded());
    EXPECT_EQ(view.Font(), (FontDescription{u"굴림", 15, false, false}));
    EXPECT_EQ(view.TextArea(), (ViewRect{0, 0, 240, 320}));
    EXPECT_EQ(view.TextColour(), 0xFFFFFFu);
    EXPECT_EQ(view.BackColour(), 0u);
    EXPECT_TRUE(view.Lines().Empty());
    EXPECT_EQ(view.TopOffset(), -1);
}

TEST_F(TextViewTest, FontChangesNeedALayoutAndTheSameFontDoesNot) {
    LayOut(u"text");
    view.SetFont(u"굴림", 15, false, false);
    EXPECT_FALSE(view.LayoutNeeded());
    const std::vector<FontDescription> changes = {{u"Tahoma", 15, false, false},
                                                  {u"tahoma", 15, false, false},
                                                  {u"tahoma", 16, false, false},
                                                  {u"tahoma", 16, true, false},
                                                  {u"tahoma", 16, true, true}};
    for (const FontDescription& font : changes) {
        ASSERT_TRUE(view.Layout(nullptr));
        view.SetFont(font.faceName, font.size, font.rotated, font.bold);
        EXPECT_TRUE(view.LayoutNeeded()) << font.size;
        EXPECT_EQ(view.Font(), font);
    }
}

TEST_F(TextViewTest, FaceNamesAreCutToThirtyOneCodeUnits) {
    const std::u16string longFace(40, u'가');
    view.SetFont(longFace, 15, false, false);
    EXPECT_EQ(view.Font().faceName, std::u16string(31, u'가'));
    LayOut(u"text");
    view.SetFont(longFace, 15, false, false);
    EXPECT_FALSE(view.LayoutNeeded());
}

TEST_F(TextViewTest, OnlyTheWrappingDimensionOfTheTextAreaNeedsALayout) {
    LayOut(u"text");
    view.SetTextArea({0, 0, 240, 200}, true);
    EXPECT_FALSE(view.LayoutNeeded());
    EXPECT_TRUE(view.LeftBar());
    view.SetTextArea({10, 0, 250, 200}, false);
    EXPECT_FALSE(view.LayoutNeeded());
    view.SetTextArea({10, 0, 200, 200}, false);
    EXPECT_TRUE(view.LayoutNeeded());

    view.SetFont(u"굴림", 15, true, false);
    ASSERT_TRUE(view.Layout(nullptr));
    view.SetTextArea({0, 0, 300, 200}, false);
    EXPECT_FALSE(view.LayoutNeeded());
    view.SetTextArea({0, 0, 300, 199}, false);
    EXPECT_TRUE(view.LayoutNeeded());
}

TEST_F(TextViewTest, OptionsColoursAndSpacing) {
    LayOut(u"text");
    view.SetColors(0x0000FF, 0xFFFFFF);
    view.SetOptions(true, true);
    view.SetLineSpacing(4);
    EXPECT_FALSE(view.LayoutNeeded());
    EXPECT_EQ(view.TextColour(), 0x0000FFu);
    view.SetOptions(true, false);
    EXPECT_TRUE(view.LayoutNeeded());
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.LineHeight(), 16 + 4);
    view.SetLineSpacing(9);
    EXPECT_TRUE(view.LayoutNeeded());
    EXPECT_EQ(view.LineHeight(), 20);  // until the next layout
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.LineHeight(), 25);
}

TEST_F(TextViewTest, LayoutMeasuresEveryTimeButRebuildsOnlyWhenNeeded) {
    RecordedProgress progress;
    ASSERT_TRUE(view.Layout(&progress));  // no document: nothing at all
    EXPECT_TRUE(device.measuredFonts.empty());
    EXPECT_TRUE(progress.texts.empty());
    EXPECT_TRUE(view.LayoutNeeded());

    SetText(view.Document(), u"one two");
    ASSERT_TRUE(view.Layout(&progress));
    EXPECT_EQ(progress.texts, std::vector<std::u16string>{u"정렬중.."});
    EXPECT_EQ(device.measuredFonts.size(), 1u);
    EXPECT_EQ(device.measuredFonts[0], view.Font());
    ASSERT_TRUE(view.Layout(&progress));
    EXPECT_EQ(progress.texts.size(), 1u);
    EXPECT_EQ(device.measuredFonts.size(), 2u);
}

TEST_F(TextViewTest, ClearingForANewDocumentKeepsOnlyTheLastError) {
    LayOut(u"one\ntwo\nthree\n");
    view.Document().documentPath = u"/tmp/a.txt";
    view.Document().loadError = u"파일 열기 실패";
    ASSERT_TRUE(view.SetTopLine(2));
    view.ClearDocument();
    EXPECT_FALSE(view.Document().HasDocument());
    EXPECT_EQ(view.Document().length, 0);
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
    ASSERT_TRUE(view.Layout(nullptr));
    EXPECT_EQ(view.TopLine(), view.Lines().Count() - 1);
    EXPECT_EQ(view.TopOffset(), 19);
}

TEST_F(TextViewTest, LineRectanglesInBothOrientations) {
    LayOut(u"text");  // lines of 16 + 4 pixels
    view.SetTextArea({10, 20, 230, 300}, false);
    EXPECT_EQ(view.LineRect(0), (ViewRect{10, 20, 227, 40}));
    EXPECT_EQ(view.LineRect(2), (ViewRect{10, 60, 227, 80}));
    view.SetTextArea({10, 20, 230, 300}, true);
    EXPECT_EQ(view.LineRect(1), (ViewRect{13, 40, 230, 60}));
    view.SetFont(u"굴림", 15, true, false);
    EXPECT_EQ(view.LineRect(0), (ViewRect{13, 300, 33, 20}));
    view.SetTextArea({10, 20, 230, 300}, false);
    EXPECT_EQ(view.LineRect(2), (ViewRect{50, 300, 70, 20}));
}

}  // namespace
}  // namespace sorna
