#include <gtest/gtest.h>

#include <string>

#include "ViewTestSupport.h"
#include "view/FindNoCase.h"
#include "view/TextView.h"

namespace sorna {
namespace {

using test::FixedMetricsDevice;
using test::SetText;

TEST(FindNoCase, FoldsLettersAndMatchesHangulExactly) {
    EXPECT_EQ(FindNoCase(u"xx abc", u"ABC"), 3u);
    EXPECT_EQ(FindNoCase(u"ΣΟΦΙΑ", u"σοφια"), 0u);
    EXPECT_EQ(FindNoCase(u"한글 문서", u"문자"), std::nullopt);
    EXPECT_EQ(FindNoCase(u"ab", u"abc"), std::nullopt);
    EXPECT_EQ(FindNoCase(std::u16string_view(u"a\0b\0Needle", 10), u"needle"), 4u);
}

// The page shows lines from the top line on; the dialog tests step through the hits.
class FindNextTest : public testing::Test {
protected:
    void LayOut(std::u16string_view text) {
        SetText(view.Document(), text);
        ASSERT_TRUE(view.Layout(nullptr));
    }

    FixedMetricsDevice device;
    TextView view{device};
};

TEST_F(FindNextTest, ANulInTheTextDoesNotHideTheRest) {
    LayOut(std::u16string_view(u"top\nbefore\0after target\n", 24));
    EXPECT_TRUE(view.FindNext(u"target", false));
    EXPECT_EQ(view.Lines()[view.TopLine()], 10);  // the line that the NUL began
    ASSERT_TRUE(view.SetTopLine(0));
    EXPECT_TRUE(view.FindNext(u"TARGET", true));
    EXPECT_EQ(view.Lines()[view.TopLine()], 10);
}

TEST_F(FindNextTest, AMatchWrappedAcrossTwoLinesMovesItsFirstLineToTheTop) {
    view.SetTextArea({0, 0, 63, 320}, false);  // six letters a line
    LayOut(u"top\nsearch string\n");
    ASSERT_EQ(view.LineChars(1), u"search ");
    EXPECT_TRUE(view.FindNext(u"ch str", false));
    EXPECT_EQ(view.TopLine(), 1);
}

}  // namespace
}  // namespace sorna
