#pragma once

#include <cstdint>
#include <optional>

namespace sorna {

enum class AutoScrollAction {
    Wait,  // the bottom line has not been shown long enough
    Step,  // move on by one line now
    Stop,  // the end of the document is on the page
};

// One tick of auto-scroll. A line stays `msPerLetter` milliseconds for every letter or wide
// character of the line at the bottom of the page (`bottomLetters`, none at the end of the
// document), counted from the tick count of the last step. Ticks are compared by their unsigned
// difference, so the pace survives the wrap of the 32-bit tick count.
AutoScrollAction DecideAutoScroll(std::optional<int32_t> bottomLetters, uint32_t lastStep,
                                  uint32_t now, int32_t msPerLetter);

}  // namespace sorna
