#pragma once

#include "view/WordPick.h"

namespace sorna {

// Whether a tapped word goes to the dictionary: only a run of letters does (Latin letters and
// digits, such as "mp3"); Korean syllables, spaces and punctuation do not.
bool IsDictionaryWord(const WordHit& hit);

}  // namespace sorna
