#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "view/CharClass.h"
#include "view/CharMetrics.h"
#include "view/Justification.h"

namespace sorna {

struct WordHit {
    std::u16string word;                   // empty when no word is under the point
    CharClass wordClass = CharClass::End;  // class of the character under the point, if any
};

// The word of a display line under a point `position` pixels from the line's start: the
// maximal run of one class around the first letter or wide character whose span (both ends
// included) holds the point. A point on a space or a break mark gives no word.
// A justified line's characters are where the justification moves them.
WordHit PickWord(std::u16string_view line, int64_t position, const CharMetrics& metrics,
                 const Justification& justification = {});

}  // namespace sorna
