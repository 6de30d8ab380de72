#include "resources/Format.h"

#include <cstdio>
#include <optional>
#include <string>

namespace sorna {
namespace {

struct Conversion {
    char kind = 0;      // 's', 'd', 'x', 'f' or '%'
    int width = 0;      // minimum width, zero-padded
    int precision = 6;  // digits after the point for 'f'
    size_t length = 0;  // pattern code units consumed, the '%' included
};

std::optional<Conversion> ParseConversion(std::u16string_view rest) {
    Conversion c;
    size_t i = 1;
    bool zeroPad = false;
    if (i < rest.size() && rest[i] == u'0') {
        zeroPad = true;
        ++i;
    }
    while (i < rest.size() && rest[i] >= u'0' && rest[i] <= u'9' && c.width < 10) {
        c.width = c.width * 10 + (rest[i++] - u'0');
    }
    if (!zeroPad) {
        c.width = 0;
    }
    if (i < rest.size() && rest[i] == u'.') {
        c.precision = 0;
        ++i;
        while (i < rest.size() && rest[i] >= u'0' && rest[i] <= u'9' && c.precision < 10) {
            c.precision = c.precision * 10 + (rest[i++] - u'0');
        }
    }
    if (i >= rest.size()) {
        return std::nullopt;
    }
    switch (rest[i]) {
        case u's':
        case u'd':
        case u'x':
        case u'f':
        case u'%':
            c.kind = static_cast<char>(rest[i]);
            c.length = i + 1;
            return c;
        default:
            return std::nullopt;
    }
}

std::optional<std::u16string> Render(const Conversion& c, const FormatArg& arg) {
    char buffer[512];
    if (c.kind == 's') {
        if (const auto* text = std::get_if<std::u16string_view>(&arg)) {
            return std::u16string(*text);
        }
        return std::nullopt;
    }
    if (c.kind == 'f') {
        const auto* number = std::get_if<double>(&arg);
        if (number == nullptr) {
            return std::nullopt;
        }
        std::snprintf(buffer, sizeof buffer, "%.*f", c.precision, *number);
        return Widen(buffer);
    }
    const auto* number = std::get_if<int64_t>(&arg);
    if (number == nullptr) {
        return std::nullopt;
    }
    if (c.kind == 'x') {
        std::snprintf(buffer, sizeof buffer, "%0*llx", c.width,
                      static_cast<unsigned long long>(static_cast<uint32_t>(*number)));
    } else {
        std::snprintf(buffer, sizeof buffer, "%0*lld", c.width, static_cast<long long>(*number));
    }
    return Widen(buffer);
}

}  // namespace

std::u16string FormatText(std::u16string_view pattern, std::initializer_list<FormatArg> args) {
    std::u16string out;
    out.reserve(pattern.size() + 32);
    auto nextArg = args.begin();
    size_t i = 0;
    while (i < pattern.size()) {
        if (pattern[i] != u'%') {
            out.push_back(pattern[i++]);
            continue;
        }
        const auto conversion = ParseConversion(pattern.substr(i));
        if (!conversion) {
            out.push_back(pattern[i++]);
            continue;
        }
        std::optional<std::u16string> rendered;
        if (conversion->kind == '%') {
            rendered = u"%";
        } else if (nextArg != args.end()) {
            rendered = Render(*conversion, *nextArg);
            if (rendered) {
                ++nextArg;
            }
        }
        if (rendered) {
            out += *rendered;
        } else {
            out += pattern.substr(i, conversion->length);
        }
        i += conversion->length;
    }
    return out;
}

std::u16string GroupedNumber(int64_t number) {
    const std::string digits = std::to_string(number);
    const size_t sign = digits.front() == '-' ? 1 : 0;
    std::u16string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > sign && (digits.size() - i) % 3 == 0) {
            grouped += u',';
        }
        grouped += char16_t(digits[i]);
    }
    return grouped;
}

std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::string Narrow(std::u16string_view ascii) {
    std::string narrow;
    for (const char16_t unit : ascii) {
        narrow += unit < 0x80 ? char(unit) : '?';
    }
    return narrow;
}

}  // namespace sorna
