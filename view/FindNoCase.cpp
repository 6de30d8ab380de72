#include "view/FindNoCase.h"

#include "view/TextSearch.h"

namespace sorna {

std::optional<size_t> FindNoCase(std::u16string_view text, std::u16string_view word) {
    if (word.size() > text.size()) {
        return std::nullopt;
    }
    if (word.empty()) {
        return 0;
    }
    const std::optional<TextSpan> hit = TextSearch(word, {.ignoreCase = true}).Next(text, 0);
    return hit ? std::optional<size_t>(size_t(hit->offset)) : std::nullopt;
}

}  // namespace sorna
