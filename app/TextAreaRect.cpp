#include "app/TextAreaRect.h"

#include "view/Saturate.h"

namespace sorna {
namespace {

struct Extent {
    int32_t low;
    int32_t high;
};

// One axis shrunk by the margin at each end, collapsed to its middle when nothing is left.
Extent Shrink(int32_t low, int32_t high, int32_t margin) {
    const int64_t newLow = int64_t{low} + margin;
    const int64_t newHigh = int64_t{high} - margin;
    if (newLow <= newHigh) {
        return {Saturate(newLow), Saturate(newHigh)};
    }
    const int32_t middle = Saturate((int64_t{low} + high) / 2);
    return {middle, middle};
}

}  // namespace

ViewRect TextAreaRect(const ViewRect& client, int32_t lrSpace, int32_t tbSpace) {
    const Extent across = Shrink(client.left, client.right, lrSpace);
    const Extent down = Shrink(client.top, client.bottom, tbSpace);
    return {across.low, down.low, across.high, down.high};
}

}  // namespace sorna
