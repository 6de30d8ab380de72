#include "platform/registry/RegistryName.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

#include "platform/Utf8Text.h"

namespace sorna {
namespace {

constexpr size_t kMaxKeyDepth = 512;
constexpr size_t kMaxKeyNameLength = 255;

char16_t FoldUnit(char16_t unit) {
    if (unit < 0x80) {
        return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
    }
    if (U16_IS_SURROGATE(unit)) {
        return unit;
    }
    const UChar32 folded = u_foldCase(unit, U_FOLD_CASE_DEFAULT);
    return folded <= 0xFFFF ? static_cast<char16_t>(folded) : unit;
}

}  // namespace

std::u16string FoldRegistryName(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& unit : folded) {
        unit = FoldUnit(unit);
    }
    return folded;
}

bool SameRegistryName(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b, {}, FoldUnit, FoldUnit);
}

std::vector<std::u16string> SplitKeyPath(std::u16string_view path) {
    std::vector<std::u16string> names;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            names.emplace_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return names;
}

bool IsStorableKeyPath(std::span<const std::u16string> names) {
    if (names.size() > kMaxKeyDepth) {
        return false;
    }
    for (const std::u16string& name : names) {
        if (name.size() > kMaxKeyNameLength || !IsLiteralText(name)) {
            return false;
        }
    }
    return true;
}

}  // namespace sorna
