#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "document/DecodeUnits.h"
#include "document/TextEncoding.h"

namespace sorna {

enum class TokenKind {
    None,  // a comment was skipped, or the input ended before a token was complete
    Text,  // a run of text
    Tag,   // the inner text of a tag, between "<" and ">"
};

struct Token {
    TokenKind kind = TokenKind::None;
    size_t begin = 0;  // code units of the input
    size_t end = 0;
};

// One forward pass over the code units of an HTML document: bytes for code page 949 and UTF-8,
// 16-bit units for UTF-16. Tokens are ranges of the input, so runs and tags of any length stay
// whole. A zero unit ends the input wherever it stands.
template <TextEncoding kEncoding>
class HtmlReader {
public:
    explicit HtmlReader(std::span<const uint8_t> bytes)
        : data_(bytes), size_(bytes.size() / UnitWidth(kEncoding)) {}

    // Outside pre, white space before a token is skipped and white space ends a run unstored;
    // inside pre, nothing is skipped and the white space that ends a run belongs to it.
    Token NextToken(bool preMode);
    // After a script or style start tag: skips to past the ">" of the first "</" + name,
    // matched in ASCII case-insensitively, or to the end.
    void SkipRawText(std::string_view name);

    [[nodiscard]] bool AtEnd() const { return atEnd_; }
    std::span<const uint8_t> BytesOf(const Token& token) const {
        const size_t width = UnitWidth(kEncoding);
        return data_.subspan(token.begin * width, (token.end - token.begin) * width);
    }

private:
    static constexpr int kNoUnit = -1;

    char16_t UnitAt(size_t index) const;
    int Read();
    // Index of the first `wanted` or zero unit from `from` on, or size_ when there is none.
    size_t Find(size_t from, char16_t wanted) const;
    // Moves to `at`, which Find returned: past it when it holds `wanted`, else onto the end.
    bool MoveTo(size_t at);
    Token TextRun(bool preMode);
    Token TagOrComment();
    void SkipComment();
    [[nodiscard]] bool ClosingTagAt(std::string_view name) const;

    [[nodiscard]] static bool IsTokenSpace(int unit) {
        return unit == ' ' || unit == '\t' || unit == '\n' || unit == '\r';
    }
    // White space, "<" or the zero unit: what can end a run of text.
    [[nodiscard]] static bool EndsRun(char16_t unit) {
        return unit == '<' || (unit <= ' ' && (unit == 0 || IsTokenSpace(unit)));
    }

    std::span<const uint8_t> data_;
    size_t size_;  // code units
    size_t pos_ = 0;
    bool atEnd_ = false;  // once set, stays set
};

template <TextEncoding kEncoding>
char16_t HtmlReader<kEncoding>::UnitAt(size_t index) const {
    if constexpr (kEncoding == TextEncoding::Utf16Le || kEncoding == TextEncoding::Utf16Be) {
        return Utf16UnitAt<kEncoding == TextEncoding::Utf16Be>(data_.data(), index);
    } else {
        return data_[index];
    }
}

template <TextEncoding kEncoding>
int HtmlReader<kEncoding>::Read() {
    if (pos_ >= size_ || UnitAt(pos_) == 0) {
        atEnd_ = true;
        return kNoUnit;
    }
    return UnitAt(pos_++);
}

template <TextEncoding kEncoding>
size_t HtmlReader<kEncoding>::Find(size_t from, char16_t wanted) const {
    if constexpr (UnitWidth(kEncoding) == 1) {
        const uint8_t* start = data_.data() + from;
        const size_t count = size_ - from;
        const void* found = std::memchr(start, wanted, count);
        const size_t limit = found != nullptr ? static_cast<const uint8_t*>(found) - start : count;
        const void* zero = std::memchr(start, 0, limit);
        return from + (zero != nullptr ? static_cast<const uint8_t*>(zero) - start : limit);
    } else {
        size_t at = from;
        while (at < size_ && UnitAt(at) != wanted && UnitAt(at) != 0) {
            ++at;
        }
        return at;
    }
}

template <TextEncoding kEncoding>
bool HtmlReader<kEncoding>::MoveTo(size_t at) {
    pos_ = at;
    if (at == size_ || UnitAt(at) == 0) {
        atEnd_ = true;
        return false;
    }
    ++pos_;
    return true;
}

template <TextEncoding kEncoding>
Token HtmlReader<kEncoding>::NextToken(bool preMode) {
    int unit = Read();
    while (!preMode && IsTokenSpace(unit)) {
        unit = Read();
    }
    if (unit == kNoUnit) {
        return {};
    }
    return unit == '<' ? TagOrComment() : TextRun(preMode);
}

template <TextEncoding kEncoding>
Token HtmlReader<kEncoding>::TextRun(bool preMode) {
    // The first unit is taken whatever it is; white space can end the run only after it.
    const size_t begin = pos_ - 1;
    while (pos_ < size_ && !EndsRun(UnitAt(pos_))) {
        ++pos_;
    }
    const int unit = Read();
    if (unit == '<') {
        --pos_;  // the tag's, not the run's
    }
    // Outside pre the white space that ended the run is consumed but not part of it.
    const bool dropsSpace = !preMode && IsTokenSpace(unit);
    return {TokenKind::Text, begin, dropsSpace ? pos_ - 1 : pos_};
}

template <TextEncoding kEncoding>
Token HtmlReader<kEncoding>::TagOrComment() {
    const size_t mark = pos_;
    size_t matched = 0;
    for (const char expected : std::string_view("!--")) {
        if (Read() != expected) {
            break;
        }
        ++matched;
    }
    if (matched == 3) {
        SkipComment();
        return {};
    }
    // A tag still open at the end is dropped.
    const size_t close = Find(mark, '>');
    return MoveTo(close) ? Token{TokenKind::Tag, mark, close} : Token{};
}

template <TextEncoding kEncoding>
void HtmlReader<kEncoding>::SkipComment() {
    // Only units after the opening "<!--" can close it, so "<!-->" does not.
    const size_t opened = pos_;
    for (size_t at = Find(pos_, '>'); MoveTo(at); at = Find(pos_, '>')) {
        if (at >= opened + 2 && UnitAt(at - 1) == '-' && UnitAt(at - 2) == '-') {
            return;
        }
    }
}

template <TextEncoding kEncoding>
bool HtmlReader<kEncoding>::ClosingTagAt(std::string_view name) const {
    // pos_ is just after a "<".
    if (pos_ + 1 + name.size() > size_ || UnitAt(pos_) != '/') {
        return false;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        const char16_t unit = UnitAt(pos_ + 1 + i);
        const char16_t lower = unit >= 'A' && unit <= 'Z' ? unit + ('a' - 'A') : unit;
        if (lower != static_cast<unsigned char>(name[i])) {
            return false;
        }
    }
    return true;
}

template <TextEncoding kEncoding>
void HtmlReader<kEncoding>::SkipRawText(std::string_view name) {
    for (size_t at = Find(pos_, '<'); MoveTo(at); at = Find(pos_, '<')) {
        if (ClosingTagAt(name)) {
            pos_ += 1 + name.size();
            MoveTo(Find(pos_, '>'));
            return;
        }
    }
}

}  // namespace sorna
