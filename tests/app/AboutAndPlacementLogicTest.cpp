#include <gtest/gtest.h>

#include <string_view>

#include "app/AboutDateText.h"
#include "app/DialogPresentation.h"
#include "app/TextResourceText.h"

namespace sorna {
namespace {

std::u16string ResourceText(std::string_view bytes, bool expandTabs) {
    return TextResourceText({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()},
                            expandTabs);
}

TEST(AboutText, DecodesCodePage949AndKeepsLineEnds) {
    EXPECT_EQ(AboutDateText("Apr  6 2006"), u"( Apr  6 2006 )");
    // "한글" in code page 949, CR LF kept, a bare line feed too.
    EXPECT_EQ(ResourceText("\xC7\xD1\xB1\xDB\r\nA\nB", false), u"한글\r\nA\nB");
    EXPECT_EQ(ResourceText("a\tb", false), u"a\tb");
    // A bad lead byte loses only itself.
    EXPECT_EQ(ResourceText("\x81[x", false), u"\uFFFD[x");
}

TEST(DialogPresentation, FullScreenOnAFullScreenWindowOrAPhone) {
    EXPECT_TRUE(OpensFullScreen(true, 1920, 1080));
    EXPECT_FALSE(OpensFullScreen(false, 1920, 1080));
    EXPECT_FALSE(OpensFullScreen(false, 800, 600));
    EXPECT_TRUE(OpensFullScreen(false, 360, 720));
    EXPECT_TRUE(OpensFullScreen(false, 720, 360));
}

}  // namespace
}  // namespace sorna
