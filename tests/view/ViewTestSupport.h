#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "view/TextView.h"
#include "view/ViewDevice.h"

namespace sorna::test {

// Fixed-width metrics for layout tests: every narrow code unit `narrow` pixels, every wide one
// `wide`, lines `height` pixels before spacing. Counts the pages it is asked to show.
class FixedMetricsDevice : public ViewDevice {
public:
    explicit FixedMetricsDevice(int32_t narrow = 10, int32_t wide = 20, int32_t height = 16) {
        metrics.charWidths.fill(narrow);
        metrics.wideWidth = wide;
        metrics.wideHeight = height;
    }

    CharMetrics MeasureChars(const FontDescription&) override { return metrics; }
    void Repaint() override { ++repaints; }

    CharMetrics metrics;
    int repaints = 0;
};

inline void SetText(DocumentText& document, std::u16string_view text) {
    document.text = std::make_unique<char16_t[]>(text.size() + 1);
    std::copy(text.begin(), text.end(), document.text.get());
    document.text[text.size()] = 0;
    document.length = int32_t(text.size());
}

inline std::vector<int32_t> EntriesOf(const LineTable& lines) {
    return {lines.Entries().begin(), lines.Entries().end()};
}

}  // namespace sorna::test
