#include "view/AutoScrollPace.h"

#include <algorithm>
#include <limits>

namespace sorna {

AutoScrollAction DecideAutoScroll(std::optional<int32_t> bottomLetters, uint32_t lastStep,
                                  uint32_t now, int32_t msPerLetter) {
    if (!bottomLetters) {
        return AutoScrollAction::Stop;
    }
    // A negative hand-edited speed means no wait; a pace beyond the tick range never arrives.
    const int64_t pace = std::clamp<int64_t>(int64_t{*bottomLetters} * msPerLetter, 0,
                                             std::numeric_limits<uint32_t>::max());
    const uint32_t elapsed = now - lastStep;
    return elapsed > pace ? AutoScrollAction::Step : AutoScrollAction::Wait;
}

}  // namespace sorna
