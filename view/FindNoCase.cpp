#include "view/FindNoCase.h"

#include <unicode/uchar.h>

#include <string>

namespace sorna {
namespace {

// Case folding of every BMP code unit, looked up instead of asking ICU once per character.
struct FoldTable {
    char16_t folded[0x10000];

    FoldTable() {
        for (UChar32 c = 0; c < 0x10000; ++c) {
            const UChar32 f = u_foldCase(c, U_FOLD_CASE_DEFAULT);
            folded[c] = char16_t(f < 0x10000 ? f : c);
        }
    }
};

const FoldTable& Folding() {
    static const FoldTable table;
    return table;
}

}  // namespace

std::optional<size_t> FindNoCase(std::u16string_view text, std::u16string_view word) {
    if (word.size() > text.size()) {
        return std::nullopt;
    }
    if (word.empty()) {
        return 0;
    }
    const char16_t* fold = Folding().folded;
    std::u16string folded(word);
    for (char16_t& c : folded) {
        c = fold[c];
    }
    const size_t last = text.size() - word.size();
    for (size_t i = 0; i <= last; ++i) {
        if (fold[text[i]] != folded[0]) {
            continue;
        }
        size_t k = 1;
        while (k < folded.size() && fold[text[i + k]] == folded[k]) {
            ++k;
        }
        if (k == folded.size()) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace sorna
