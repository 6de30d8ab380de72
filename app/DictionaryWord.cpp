#include "app/DictionaryWord.h"

namespace sorna {

bool IsDictionaryWord(const WordHit& hit) {
    return !hit.word.empty() && hit.wordClass == CharClass::Letter;
}

}  // namespace sorna
