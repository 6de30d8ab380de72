#include "app/TapDecision.h"

namespace sorna {
namespace {

bool OnBarStrip(const TapArea& area, int32_t x) {
    return area.barOnLeft ? x < kBarStripWidth : x >= area.width - kBarStripWidth;
}

bool InsideArea(const TapArea& area, int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < area.width && y < area.height;
}

// The coordinate and extent that the thirds cut: across the lines of the view.
struct Span {
    int32_t position;
    int32_t extent;
};

Span ThirdsSpan(const TapArea& area, int32_t x, int32_t y) {
    return area.rotated ? Span{x, area.width} : Span{y, area.height};
}

}  // namespace

TapAction PressAction(const TapArea& area, int32_t x) {
    return OnBarStrip(area, x) ? TapAction::kJumpToBar : TapAction::kNothing;
}

TapAction ReleaseAction(const TapArea& area, int32_t x, int32_t y) {
    if (!InsideArea(area, x, y) || OnBarStrip(area, x)) {
        return TapAction::kNothing;
    }
    if (area.dictionaryMode) {
        return TapAction::kLookUpWord;
    }
    const Span span = ThirdsSpan(area, x, y);
    if (span.position < span.extent / 3) {
        return TapAction::kPreviousPage;
    }
    if (span.position > (2 * span.extent) / 3) {
        return TapAction::kNextPage;
    }
    return TapAction::kNothing;
}

TapAction DoubleTapAction(const TapArea& area, int32_t x, int32_t y) {
    if (x < kBarStripWidth) {
        return TapAction::kNothing;
    }
    const Span span = ThirdsSpan(area, x, y);
    if (span.extent / 3 < span.position && span.position < (2 * span.extent) / 3) {
        return TapAction::kToggleFullScreen;
    }
    return TapAction::kNothing;
}

}  // namespace sorna
