#pragma once

#include <memory>
#include <string_view>

#include "view/TextView.h"

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

// The buffer comes zeroed, so the text is terminated.
inline void SetText(DocumentText& document, std::u16string_view text) {
    document.text = std::make_unique<char16_t[]>(text.size() + 1);
    text.copy(document.text.get(), text.size());
    document.length = int32_t(text.size());
}

}  // namespace sorna::test
