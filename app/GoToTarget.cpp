#include "app/GoToTarget.h"

#include <charconv>
#include <string>

namespace sorna {
namespace {

constexpr size_t kLongestNumber = 16;

std::u16string_view Trimmed(std::u16string_view text) {
    const size_t first = text.find_first_not_of(u" \t\u3000");
    if (first == std::u16string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u" \t\u3000") - first + 1);
}

// A number of ASCII digits with at most one decimal point, nothing else.
std::optional<double> ParseNumber(std::u16string_view text) {
    if (text.empty() || text.size() > kLongestNumber) {
        return std::nullopt;
    }
    std::string ascii;
    for (const char16_t c : text) {
        if ((c < u'0' || c > u'9') && c != u'.') {
            return std::nullopt;
        }
        ascii += char(c);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<GoToTarget> ParseGoToTarget(std::u16string_view text) {
    std::u16string_view number = Trimmed(text);
    const bool percent = !number.empty() && (number.back() == u'%' || number.back() == u'％');
    if (percent) {
        number = Trimmed(number.substr(0, number.size() - 1));
    }
    const std::optional<double> value = ParseNumber(number);
    if (!value) {
        return std::nullopt;
    }
    if (percent) {
        return *value <= 100 ? std::optional(GoToTarget{GoToTarget::Kind::kPercent, *value})
                             : std::nullopt;
    }
    const bool wholePage = *value >= 1 && *value == double(int64_t(*value));
    return wholePage ? std::optional(GoToTarget{GoToTarget::Kind::kPage, *value}) : std::nullopt;
}

}  // namespace sorna
