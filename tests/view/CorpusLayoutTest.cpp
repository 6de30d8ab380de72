#include <gtest/gtest.h>

#include <string>

#include <filesystem>

#include "ViewTestSupport.h"
#include "tests/support/Corpus.h"
#include "document/LoadDocument.h"
#include "resources/Format.h"
#include "view/CharClass.h"
#include "view/TextView.h"

namespace sorna {
namespace {

using test::FixedMetricsDevice;
using test::SetText;

// Uneven narrow widths, so that lines fill up differently from character to character.
FixedMetricsDevice UnevenMetrics() {
    FixedMetricsDevice device(0, 15, 17);
    for (int c = 0; c < 256; ++c) {
        device.metrics.charWidths[c] = 4 + c % 9;
    }
    return device;
}

bool IsLineEnd(char16_t c) {
    const CharClass charClass = ClassifyChar(c);
    return charClass == CharClass::Space || charClass == CharClass::LineFeed;
}

// A line's content, without the spaces and line ends that hang at its end, is one run when its
// code units share one class that groups, or when it is a single code unit.
bool IsOneRun(std::u16string_view content) {
    const CharClass first = ClassifyChar(content.front());
    const bool grouping =
        first == CharClass::Letter || first == CharClass::BreakMark || first == CharClass::End;
    return content.size() == 1 ||
           (grouping && std::all_of(content.begin(), content.end(),
                                    [&](char16_t c) { return ClassifyChar(c) == first; }));
}

void CheckLines(const TextView& view, const CharMetrics& widths, int64_t available) {
    const LineTable& lines = view.Lines();
    const std::u16string_view text(view.Document().text.get(), view.Document().length);
    ASSERT_GE(lines.Count(), 2);
    EXPECT_EQ(lines[0], 0);
    EXPECT_EQ(lines[lines.Count() - 1], view.Document().length);
    for (int32_t n = 0; n + 1 < lines.Count(); ++n) {
        ASSERT_LE(lines[n], lines[n + 1]) << n;
        // A run is never split: a line starts where the class changes, at a wide character
        // or a space, or at a line feed after another one.
        const int32_t start = lines[n];
        if (start > 0 && start < view.Document().length) {
            const CharClass before = ClassifyChar(text[start - 1]);
            const CharClass at = ClassifyChar(text[start]);
            EXPECT_TRUE(before != at || at == CharClass::Wide || at == CharClass::Space ||
                        at == CharClass::LineFeed)
                << "line " << n << " starts inside a run at " << start;
        }
        std::u16string_view content = view.LineChars(n);
        while (!content.empty() && IsLineEnd(content.back())) {
            content.remove_suffix(1);
        }
        int64_t width = 0;
        for (char16_t c : content) {
            width += c == u'\r' ? 0 : widths.Width(c);
        }
        if (width > available) {
            EXPECT_TRUE(IsOneRun(content)) << "line " << n << " is " << width << " wide";
        }
    }
}

TEST(CorpusLayout, EveryDocumentAtSeveralWidths) {
    int documents = 0;
    for (const auto& file : corpus::Documents()) {
        SCOPED_TRACE(file.filename().string());
        FixedMetricsDevice device = UnevenMetrics();
        TextView view(device);
        ASSERT_TRUE(LoadDocument(view.Document(), Widen(file.string()), nullptr));
        if (view.Document().length == 0) {
            continue;  // a page whose text ends at once has nothing to lay out
        }
        for (const int32_t available : {37, 240, 1077}) {
            for (const bool removeLineStartSpace : {true, false}) {
                view.SetTextArea({0, 0, available + 3, 320}, false);
                view.SetOptions(false, removeLineStartSpace);
                ASSERT_TRUE(view.Layout(nullptr));
                CheckLines(view, device.metrics, available);
            }
        }
        ++documents;
    }
    EXPECT_GE(documents, 40);
}

}  // namespace
}  // namespace sorna
