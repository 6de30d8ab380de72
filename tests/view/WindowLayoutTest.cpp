#include <gtest/gtest.h>

#include <random>
#include <stop_token>
#include <tuple>

#include "document/ByteOfPosition.h"
#include "document/DecodeDocument.h"
#include "document/ReadingWindow.h"
#include "tests/support/Corpus.h"
#include "tests/support/DocumentBytes.h"
#include "tests/support/ViewTestSupport.h"
#include "view/PageFooter.h"

namespace sorna {
namespace {

using test::Bytes;

// A view of a whole book and a view of the window around a place in it, laid out alike: a
// 600-pixel column of 10-pixel letters and 20-pixel syllables, 16 rows a page, with the Korean
// line-breaking rules and with or without joined lines.
class WindowLayoutTest : public testing::TestWithParam<std::tuple<const char*, bool>> {
protected:
    void SetUp() override {
        bytes = corpus::Repeated(std::get<0>(GetParam()), size_t{2} << 20);
        ASSERT_TRUE(DecodeDocument(whole.Document(), Bytes(bytes), false, nullptr));
        for (TextView* view : {&whole, &window}) {
            view->SetTextArea({0, 0, 600, 400}, false);
            view->SetReadingAids({true, std::get<1>(GetParam()), 0, true, false});
        }
        ASSERT_TRUE(whole.Layout(nullptr));
    }

    // Shows the window around the line holding `offset`, from the byte the whole text's
    // checkpoints put that line at, with the line at the top of both views.
    void ShowWindowAt(int32_t offset) {
        ASSERT_TRUE(whole.GoToOffset(offset));
        const int32_t place = whole.TopOffset();
        const std::optional<int64_t> byte = ByteOfPosition(whole.Document(), Bytes(bytes), place);
        ASSERT_TRUE(byte);
        std::optional<ReadingWindow> decoded = DecodeReadingWindow(
            Bytes(bytes), PlanDecoding(Bytes(bytes), false, {}), {place, *byte});
        ASSERT_TRUE(decoded);
        ASSERT_TRUE(window.ShowWindow(std::move(*decoded), place));
        EXPECT_TRUE(window.ShowsWindow());
    }

    std::string bytes;
    test::FixedMetricsDevice device;
    TextView whole{device};
    TextView window{device};
};

// Every line the window lays out starts where the whole text's line does, page after page both
// ways as far as the window holds; the figures show the share only, near the true one.
TEST_P(WindowLayoutTest, TheWindowsLinesAreTheWholeTextsLines) {
    std::mt19937 random(11);
    const int32_t length = whole.Document().length;
    for (const int32_t offset : {0, int32_t(random() % uint32_t(length)), length - 10}) {
        ShowWindowAt(offset);
        for (const int32_t step : {1, 16, -16, -1}) {
            window.GoToOffset(whole.TopOffset());
            const int32_t top = whole.TopLine();
            for (int n = 0; window.WindowHolds(step) && n < 200; ++n) {
                window.ScrollLines(step);
                whole.ScrollLines(step);
                ASSERT_EQ(window.TopOffset(), whole.TopOffset()) << offset << " step " << step;
            }
            whole.SetTopLine(top);
        }
        EXPECT_NEAR(window.TextLength(), length, length / 20.0);
        EXPECT_EQ(FooterText(window, 1000).substr(0, 2), u"약 ");
    }
}

// The whole text in the window's place keeps the line of the place gone to at the top, and the
// lines laid out for the window's settings.
TEST_P(WindowLayoutTest, TheWholeTextTakesTheWindowsPlaceAtTheSameLine) {
    const int32_t place = whole.Document().length / 3 * 2;
    ShowWindowAt(place);
    window.ScrollLines(5);
    whole.ScrollLines(5);
    DocumentText text;
    ASSERT_TRUE(DecodeDocument(text, Bytes(bytes), false, nullptr));
    LineTable lines;
    ASSERT_TRUE(
        BreakLines(text.text.get(), text.length, window.Metrics(), window.LineOptions(), lines));
    window.TakeWholeDocument(std::move(text), std::move(lines));
    EXPECT_FALSE(window.ShowsWindow());
    EXPECT_EQ(window.TopLine(), whole.TopLine());
    EXPECT_TRUE(std::ranges::equal(window.Lines().Entries(), whole.Lines().Entries()));
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(BreakLines(window.Document().text.get(), window.Document().length,
                            window.Metrics(), window.LineOptions(), lines,
                            Parting::PerThread(kBreakPartLength), stop.get_token()));
}

// With joined lines the Bible's verses run on for far longer than a window: it has no window
// then and opens whole.
INSTANTIATE_TEST_SUITE_P(Books, WindowLayoutTest,
                         testing::Values(std::tuple("ko-utf8-novel-02.txt", false),
                                         std::tuple("ko-utf8-novel-02.txt", true),
                                         std::tuple("en-gutenberg-02-crlf.txt", false),
                                         std::tuple("en-gutenberg-02-crlf.txt", true),
                                         std::tuple("ko-cp949-bible-krv-large.txt", false)));

}  // namespace
}  // namespace sorna
