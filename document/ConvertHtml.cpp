#include "document/ConvertHtml.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "document/DecodeUnits.h"
#include "document/HtmlEntities.h"
#include "document/HtmlReader.h"
#include "document/TagAttribute.h"
#include "document/TagBreak.h"

namespace sorna {
namespace {

// More line-break chunks in a row than this are dropped until text comes.
constexpr int kMostBreaksInARow = 3;

// The tag rules look at no more than the first six units of the trimmed tag, and ask whether it
// is just "p". A head of the tag that still has eight units once trimmed answers both as the
// whole tag would, so long tags (attributes, inline data) are not decoded whole.
constexpr size_t kTagHead = 16;
constexpr size_t kEnoughOfATag = 8;

// 1 to 6 for the start tag of a heading (h1 … h6), -1 to -6 for its end tag, 0 for any other.
int HeadingTag(std::u16string_view tag) {
    const bool end = !tag.empty() && tag.front() == u'/';
    if (end) {
        tag.remove_prefix(1);
    }
    if (tag.size() < 2 || (tag[0] != u'h' && tag[0] != u'H') || tag[1] < u'1' || tag[1] > u'6' ||
        (tag.size() > 2 && tag[2] > u' ' && tag[2] != u'/')) {
        return 0;
    }
    return end ? u'0' - tag[1] : tag[1] - u'0';
}

bool IsLineBreakChunk(std::u16string_view chunk) {
    return !chunk.empty() && chunk.find_first_not_of(u'\n') == std::u16string_view::npos;
}

// What a book item's tag adds beyond a page's: its id, and an image's alt text. Copied, since
// the tag's text may be decoded where the output goes next.
struct BookTag {
    std::u16string id;
    std::u16string alt;
};

BookTag ReadBookTag(std::u16string_view tag) {
    if (IsEndTag(tag)) {
        return {};
    }
    BookTag book;
    if (const auto id = TagAttribute(tag, "id")) {
        book.id = *id;
    }
    const std::u16string_view name = TagName(tag);
    if (name.size() == 3 && StartsWithLower(name, "img")) {
        book.alt = TagAttribute(tag, "alt").value_or(std::u16string_view());
    }
    return book;
}

template <TextEncoding kEncoding>
class HtmlConverter {
public:
    HtmlConverter(std::span<const uint8_t> bytes, std::span<char16_t> output, HtmlSource source)
        : reader_(bytes), output_(output), source_(source) {}

    HtmlConversion Run() {
        if (output_.empty()) {
            return {};
        }
        while (Step()) {
        }
        EndHeading();
        output_[count_] = 0;
        return {count_, !full_, std::move(headings_), std::move(ids_)};
    }

private:
    // One token; false when the pass ends.
    bool Step() {
        const Token token = reader_.NextToken(preMode_);
        if (token.kind == TokenKind::Text && !EmitText(Decode(token))) {
            return false;
        }
        if (token.kind == TokenKind::Tag && !OnAnyTag(TagText(token))) {
            return false;
        }
        return !reader_.AtEnd();
    }

    bool OnAnyTag(std::u16string_view tag) {
        if (source_ == HtmlSource::Page) {
            return OnTag(tag);
        }
        BookTag book = ReadBookTag(tag);
        if (!OnTag(tag)) {
            return false;
        }
        if (!book.id.empty()) {
            ids_.push_back({std::move(book.id), static_cast<int32_t>(count_)});
        }
        return book.alt.empty() || EmitText(book.alt);
    }

    // A book item's tags are read whole, for their attributes.
    std::u16string_view TagText(const Token& token) {
        if (source_ == HtmlSource::Page && token.end - token.begin > kTagHead) {
            const auto head = Decode({token.kind, token.begin, token.begin + kTagHead});
            const std::u16string_view name = TrimTag({head.data(), head.size()});
            if (name.size() >= kEnoughOfATag) {
                return name;
            }
        }
        const auto whole = Decode(token);
        return TrimTag({whole.data(), whole.size()});
    }

    bool OnTag(std::u16string_view tag) {
        if (StartsWithLower(tag, "script")) {
            reader_.SkipRawText("script");
            return true;
        }
        if (StartsWithLower(tag, "style")) {
            reader_.SkipRawText("style");
            return true;
        }
        // A book item's title names the file; its first heading names the chapter.
        if (source_ == HtmlSource::BookItem && !IsEndTag(tag) && TagName(tag) == u"title") {
            reader_.SkipRawText("title");
            return true;
        }
        if (const int heading = HeadingTag(tag); heading != 0) {
            EndHeading();
            if (heading > 0 && heading <= 3) {
                headingLevel_ = heading;
                headingStart_ = count_;
            }
            return true;
        }
        if (StartsWithLower(tag, "/pre")) {
            preMode_ = false;
            return true;
        }
        if (StartsWithLower(tag, "pre")) {
            preMode_ = true;
        }
        const std::u16string_view lineBreak = TagBreak(tag);
        return lineBreak.empty() || Append(lineBreak);
    }

    // Notes the open heading, if it holds any text.
    void EndHeading() {
        if (headingLevel_ == 0) {
            return;
        }
        const std::u16string_view written(output_.data() + headingStart_, count_ - headingStart_);
        const std::u16string_view text = TrimTag(written);
        if (!text.empty()) {
            std::u16string title(text);
            std::replace(title.begin(), title.end(), u'\n', u' ');
            headings_.push_back({static_cast<int32_t>(text.data() - output_.data()), headingLevel_,
                                 std::move(title)});
        }
        headingLevel_ = 0;
    }

    bool EmitText(std::span<char16_t> raw) {
        // A run decodes to at least one unit; entities may leave nothing but the space.
        const size_t length = DecodeEntities(raw);
        return Append({raw.data(), length});
    }

    // Appends a chunk and, after text, one space; false when it does not fit.
    bool Append(std::u16string_view chunk) {
        if (IsLineBreakChunk(chunk)) {
            if (breakRun_ < kMostBreaksInARow && !Put(chunk, 0)) {
                return false;
            }
            breakRun_ = std::min(breakRun_ + 1, kMostBreaksInARow);
            return true;
        }
        breakRun_ = 0;
        if (!Put(chunk, 1)) {
            return false;
        }
        output_[count_++] = u' ';
        return true;
    }

    bool Put(std::u16string_view chunk, size_t extra) {
        if (count_ + chunk.size() + extra >= output_.size()) {
            full_ = true;
            return false;
        }
        char16_t* at = output_.data() + count_;
        if (chunk.data() != at) {
            std::copy(chunk.begin(), chunk.end(), at);
        }
        count_ += chunk.size();
        return true;
    }

    // The token's text, decoded where it will be appended when the output has room for it, so
    // that text is written once; else into the spare chunk buffer.
    std::span<char16_t> Decode(const Token& token) {
        const std::span<const uint8_t> bytes = reader_.BytesOf(token);
        const size_t most = token.end - token.begin;
        std::span<char16_t> room;
        if (count_ + most < output_.size()) {
            room = output_.subspan(count_, most);
        } else {
            chunk_.resize(most);
            room = chunk_;
        }
        // Markup and most runs of a page are ASCII, which the byte decoders widen in blocks.
        return room.first(DecodeUnits(kEncoding, bytes, room).written);
    }

    HtmlReader<kEncoding> reader_;
    std::span<char16_t> output_;
    HtmlSource source_;
    size_t count_ = 0;
    bool full_ = false;
    bool preMode_ = false;
    int breakRun_ = 0;  // line-break chunks since the last text chunk
    std::u16string chunk_;
    int32_t headingLevel_ = 0;  // of the open heading; 0 when none is open
    size_t headingStart_ = 0;   // where the open heading's output begins
    std::vector<Chapter> headings_;
    std::vector<ElementId> ids_;
};

template <TextEncoding kEncoding>
HtmlConversion Convert(std::span<const uint8_t> bytes, std::span<char16_t> output,
                       HtmlSource source) {
    return HtmlConverter<kEncoding>(bytes, output, source).Run();
}

}  // namespace

HtmlConversion ConvertHtml(std::span<const uint8_t> bytes, TextEncoding encoding,
                           std::span<char16_t> output, HtmlSource source) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return Convert<TextEncoding::Utf8>(bytes, output, source);
        case TextEncoding::Utf16Le:
            return Convert<TextEncoding::Utf16Le>(bytes, output, source);
        case TextEncoding::Utf16Be:
            return Convert<TextEncoding::Utf16Be>(bytes, output, source);
        case TextEncoding::CodePage949:
            break;
    }
    return Convert<TextEncoding::CodePage949>(bytes, output, source);
}

size_t HtmlCapacity(size_t units) {
    return units + units / 2 + 2;
}

}  // namespace sorna
