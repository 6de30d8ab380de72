#pragma once

#include <optional>
#include <string_view>

namespace sorna {

// Where the go-to dialog sends the reader: a page of the layout, or a share of the text.
struct GoToTarget {
    enum class Kind { kPage, kPercent };
    Kind kind = Kind::kPage;
    double value = 0;  // a page from 1, or a percentage from 0 to 100

    bool operator==(const GoToTarget&) const = default;
};

// "123" is page 123 and "37%" or "37.5 %" (a full-width ％ too) a percentage; white space around
// them is allowed. None for anything else: no number, page 0, more than 100 percent.
std::optional<GoToTarget> ParseGoToTarget(std::u16string_view text);

}  // namespace sorna
