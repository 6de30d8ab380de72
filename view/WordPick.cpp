#include "view/WordPick.h"

#include <optional>

namespace sorna {
namespace {

// Index of the character hit by the point; `hitClass` becomes the class of each character
// whose span holds it, so a point on a boundary may still reach the next character.
std::optional<size_t> HitCharacter(std::u16string_view line, int64_t position,
                                   const CharMetrics& metrics, const Justification& justification,
                                   CharClass& hitClass) {
    int64_t sum = 0;
    size_t spaces = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const int64_t width = metrics.Width(line[i]);
        const auto start = int64_t(double(sum) + justification.Shift(i, spaces));
        spaces += line[i] == u' ';
        if (start <= position && position <= start + width) {
            hitClass = ClassifyChar(line[i]);
            if (hitClass == CharClass::Letter || hitClass == CharClass::Wide) {
                return i;
            }
        }
        sum += width;
    }
    return std::nullopt;
}

}  // namespace

WordHit PickWord(std::u16string_view line, int64_t position, const CharMetrics& metrics,
                 const Justification& justification) {
    WordHit hit;
    const std::optional<size_t> index =
        HitCharacter(line, position, metrics, justification, hit.wordClass);
    if (!index) {
        return hit;
    }
    size_t first = *index;
    size_t end = *index + 1;
    while (first > 0 && ClassifyChar(line[first - 1]) == hit.wordClass) {
        --first;
    }
    while (end < line.size() && ClassifyChar(line[end]) == hit.wordClass) {
        ++end;
    }
    hit.word = line.substr(first, end - first);
    return hit;
}

}  // namespace sorna
