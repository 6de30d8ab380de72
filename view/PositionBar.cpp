#include "view/PositionBar.h"

namespace sorna {

PositionBar PositionBarRects(int32_t clientWidth, const ViewRect& textArea, bool leftBar,
                             int32_t firstLine, int32_t entryCount) {
    PositionBar result;
    const int32_t left = leftBar ? 0 : clientWidth - kScrollBarWidth;
    result.bar = {left, textArea.top, left + kScrollBarWidth, textArea.bottom};
    int32_t fillBottom = textArea.top;
    if (entryCount >= 2) {
        // 64-bit: a tall bar times the line number of a long document exceeds 32 bits.
        fillBottom += int32_t(textArea.Height() * firstLine / (entryCount - 1));
    }
    result.filled = {result.bar.left, textArea.top, result.bar.right, fillBottom};
    return result;
}

}  // namespace sorna
