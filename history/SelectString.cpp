#include "history/SelectString.h"

#include "view/TextSearch.h"

namespace sorna {
namespace {

bool BeginsNoCase(std::u16string_view text, std::u16string_view prefix) {
    if (prefix.empty()) {
        return true;
    }
    return text.size() >= prefix.size() &&
           TextSearch(prefix, {.ignoreCase = true}).Next(text.substr(0, prefix.size()), 0);
}

}  // namespace

std::optional<size_t> SelectString(std::span<const std::u16string> entries,
                                   std::u16string_view prefix, std::optional<size_t> after) {
    const size_t count = entries.size();
    const size_t start = after ? *after + 1 : 0;
    for (size_t step = 0; step < count; ++step) {
        const size_t index = (start + step) % count;
        if (BeginsNoCase(entries[index], prefix)) {
            return index;
        }
    }
    return std::nullopt;
}

}  // namespace sorna
