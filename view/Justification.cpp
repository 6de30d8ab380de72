#include "view/Justification.h"

#include <algorithm>

namespace sorna {

Justification Justify(std::u16string_view shown, const CharMetrics& metrics, int64_t room) {
    const size_t end = shown.find_last_not_of(u" \u3000");
    if (end == std::u16string_view::npos || end == 0 || shown.find(u'\t') != shown.npos) {
        return {};
    }
    const std::u16string_view text = shown.substr(0, end + 1);
    int64_t width = 0;
    for (const char16_t c : text) {
        width += metrics.Width(c);
    }
    const int64_t spare = room - width;
    if (spare <= 0) {
        return {};
    }
    const auto spaces = std::count(text.begin(), text.end(), u' ');
    if (spaces > 0) {
        return {double(spare) / double(spaces), 0};
    }
    return {0, double(spare) / double(text.size() - 1)};
}

}  // namespace sorna
