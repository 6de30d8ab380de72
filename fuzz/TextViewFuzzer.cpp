// Any text under any geometry: the line table must start at 0, never decrease and end at the
// length, broken in up to eight parts it must be the same as broken in one, and every page, tap,
// search and tick must stay inside the table. The first bytes choose the geometry, the font's
// widths, the options and the parts; the rest is UTF-16 text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/support/ViewTestSupport.h"
#include "view/LineBreaker.h"
#include "view/PagePlan.h"
#include "view/TextView.h"

namespace {

struct Geometry {
    int8_t left, top, width, height, spacing;
    uint8_t flags;
    uint8_t widths[8];
};

bool TableIsWhole(const sorna::LineTable& lines, int32_t length) {
    bool whole = lines.Count() >= 2 && lines[0] == 0 && lines[lines.Count() - 1] == length;
    for (int32_t n = 1; whole && n < lines.Count(); ++n) {
        whole = lines[n - 1] <= lines[n];
    }
    return whole;
}

bool BreaksInPartsAsInOne(const std::u16string& text, const sorna::CharMetrics& metrics,
                          const sorna::BreakOptions& options, size_t parts) {
    sorna::LineTable one;
    sorna::LineTable inParts;
    const auto length = int32_t(text.size());
    return !sorna::BreakLines(text.data(), length, metrics, options, one, sorna::Parting{}) ||
           !sorna::BreakLines(text.data(), length, metrics, options, inParts,
                              sorna::Parting{parts}) ||
           std::ranges::equal(one.Entries(), inParts.Entries());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Geometry geometry;
    if (size < sizeof geometry + 2) {
        return 0;
    }
    std::memcpy(&geometry, data, sizeof geometry);
    std::u16string text((size - sizeof geometry) / 2, u'\0');
    std::memcpy(text.data(), data + sizeof geometry, text.size() * 2);

    sorna::test::FixedMetricsDevice metrics(0, geometry.widths[0] * 2, geometry.widths[1] % 24);
    for (int c = 0; c < 256; ++c) {
        metrics.metrics.charWidths[c] = geometry.widths[c % 8];
    }
    sorna::TextView view(metrics);
    view.SetFont(u"NanumGothic", 15, geometry.flags & 1, false);
    view.SetOptions(geometry.flags & 2, geometry.flags & 4);
    view.SetReadingAids({bool(geometry.flags & 16), bool(geometry.flags & 32)});
    view.SetLineSpacing(geometry.spacing);
    view.SetTextArea({geometry.left, geometry.top, geometry.left + geometry.width * 4,
                      geometry.top + geometry.height * 4},
                     geometry.flags & 8);
    sorna::test::SetText(view.Document(), text);
    if (!view.Layout(nullptr)) {
        return 0;
    }
    const sorna::BreakOptions options{geometry.width * 4, bool(geometry.flags & 4),
                                      bool(geometry.flags & 16), bool(geometry.flags & 32)};
    if (!TableIsWhole(view.Lines(), int32_t(text.size())) ||
        !BreaksInPartsAsInOne(text, view.Metrics(), options, 2 + geometry.widths[2] % 7)) {
        __builtin_trap();
    }
    view.ScrollLines(3);
    view.JumpToBar(view.TextArea().top + 7);
    for (const int32_t xy : {-30, 0, 5, 40, 300}) {
        view.WordAt(xy, xy);
    }
    view.CountLetters();
    view.LineText(view.TopLine());
    sorna::PlanPage(view, 240);
    view.FindNext(sorna::TextSearch(text.substr(text.size() / 2, 3), {true, true}));
    view.FindPrevious(sorna::TextSearch(text.substr(text.size() / 3, 2), {false, true}));
    view.FindNext(sorna::TextSearch(text.substr(text.size() / 3, 2), {}));
    view.GoToOffset(int32_t(text.size() / 2));
    if (view.TopOffset() != view.Lines()[view.TopLine()]) {
        __builtin_trap();
    }
    view.ScrollLines(-1000000);
    return 0;
}
