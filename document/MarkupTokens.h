#pragma once

#include <bit>
#include <string>
#include <string_view>

#include "document/HtmlEntities.h"
#include "document/HtmlReader.h"

namespace sorna {

// One token of decoded markup: a tag's inner text, or a run of text with its character
// references decoded (white space between runs dropped).
struct MarkupToken {
    bool isTag = false;
    std::u16string_view text;
};

// Calls visit(MarkupToken) for each tag and run of text of `markup` in order, comments left out.
template <typename Visit>
void ForEachMarkupToken(std::u16string_view markup, Visit&& visit) {
    constexpr TextEncoding kNative =
        std::endian::native == std::endian::little ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
    HtmlReader<kNative> reader(
        {reinterpret_cast<const uint8_t*>(markup.data()), markup.size() * 2});
    std::u16string run;
    while (!reader.AtEnd()) {
        const Token token = reader.NextToken(false);
        const std::u16string_view text = markup.substr(token.begin, token.end - token.begin);
        if (token.kind == TokenKind::Tag) {
            visit(MarkupToken{true, text});
        } else if (token.kind == TokenKind::Text) {
            run = text;
            run.resize(DecodeEntities(run));
            visit(MarkupToken{false, run});
        }
    }
}

// Runs of text put together with one space between them, for a title.
inline void AppendRun(std::u16string& title, std::u16string_view run) {
    if (!title.empty() && !run.empty()) {
        title.push_back(u' ');
    }
    title += run;
}

}  // namespace sorna
