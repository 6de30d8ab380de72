#include "settings/NumberedValues.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "platform/registry/RegistryName.h"
#include "resources/Format.h"

namespace sorna {
namespace {

// Ten digits hold every 32-bit number.
constexpr size_t kMaxDigits = 10;

// The n for which name is NumberedValueName(prefix, n), letter case aside. The digits are
// looked at first, as most names end in none.
std::optional<int32_t> NumberOfName(std::u16string_view name, std::u16string_view prefix) {
    if (name.size() <= prefix.size()) {
        return std::nullopt;
    }
    const std::u16string_view digits = name.substr(prefix.size());
    // "RFNAME5" or "RFNAME007" is not how entry 5 or 7 is named.
    if (digits.size() < 2 || digits.size() > kMaxDigits ||
        (digits.size() > 2 && digits[0] == u'0')) {
        return std::nullopt;
    }
    int64_t n = 0;
    for (const char16_t digit : digits) {
        if (digit < u'0' || digit > u'9') {
            return std::nullopt;
        }
        n = n * 10 + (digit - u'0');
    }
    if (n > std::numeric_limits<int32_t>::max() ||
        !SameRegistryName(name.substr(0, prefix.size()), prefix)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(n);
}

}  // namespace

std::u16string NumberedValueName(std::u16string_view prefix, int32_t n) {
    return FormatText(u"%s%02d", {prefix, int64_t{n}});
}

std::u16string SlotValueName(std::u16string_view prefix, int32_t n) {
    return FormatText(u"%s%d", {prefix, int64_t{n}});
}

std::vector<int32_t> StoredNumbers(RegistryRoot root, std::u16string_view subkey,
                                   std::u16string_view prefix, int32_t count) {
    std::vector<int32_t> numbers;
    const auto key = RegistryKey::Open(root, subkey, RegistryAccess::Read);
    if (!key || count <= 0) {
        return numbers;
    }
    for (const std::u16string& name : key->ValueNames()) {
        const auto number = NumberOfName(name, prefix);
        if (number && *number < count) {
            numbers.push_back(*number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool NamesEntryFrom(std::u16string_view name, std::span<const std::u16string_view> prefixes,
                    size_t from) {
    return std::ranges::any_of(prefixes, [&](std::u16string_view prefix) {
        const auto number = NumberOfName(name, prefix);
        return number && static_cast<size_t>(*number) >= from;
    });
}

void DeleteNumberedValues(RegistryRoot root, std::u16string_view subkey,
                          std::span<const std::u16string_view> prefixes, size_t from) {
    auto key = RegistryKey::Open(root, subkey, RegistryAccess::Write);
    if (key) {
        static_cast<void>(key->DeleteValues(
            [&](std::u16string_view name) { return NamesEntryFrom(name, prefixes, from); }));
    }
}

}  // namespace sorna
