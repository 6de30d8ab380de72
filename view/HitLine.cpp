#include "view/HitLine.h"

#include <algorithm>

#include "view/TextView.h"

namespace sorna {

HitLine LineOfHit(const TextView& view, TextSpan hit) {
    const int32_t line = view.FindLine(hit.offset).value_or(0);
    std::u16string text = view.ShownText(line);
    const size_t indent = std::min(text.find_first_not_of(u" \t\u3000"), text.size());
    text.erase(0, indent);
    const int64_t into = int64_t{hit.offset} - view.Lines()[line] - int64_t(indent);
    const size_t from = size_t(std::clamp<int64_t>(into, 0, int64_t(text.size())));
    const size_t to = std::min(from + size_t(std::max(hit.length, 0)), text.size());
    return {std::move(text), from, to};
}

}  // namespace sorna
