#include "settings/NumberBox.h"

#include <algorithm>
#include <limits>

namespace sorna {

int32_t ParseNumberBox(std::u16string_view text) {
    const bool negative = !text.empty() && text.front() == u'-';
    const std::u16string_view digits = negative ? text.substr(1) : text;
    if (digits.empty()) {
        return 0;
    }
    int64_t value = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9') {
            return 0;
        }
        value = value * 10 + (c - u'0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) {
            return 0;
        }
    }
    value = negative ? -value : value;
    return value < std::numeric_limits<int32_t>::min() ||
                   value > std::numeric_limits<int32_t>::max()
               ? 0
               : static_cast<int32_t>(value);
}

int32_t WithinRange(int32_t number, NumberRange range) {
    return std::clamp(number, range.lowest, range.highest);
}

int32_t StepNumberBox(int32_t value, int32_t step, NumberRange range) {
    return static_cast<int32_t>(
        std::clamp(int64_t{value} + step, int64_t{range.lowest}, int64_t{range.highest}));
}

}  // namespace sorna
