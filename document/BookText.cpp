#include "document/BookText.h"

#include <algorithm>
#include <bit>

#include "document/ConvertHtml.h"
#include "document/MarkupEncoding.h"

namespace sorna {
namespace {

constexpr std::u16string_view kParagraphBreak = u"\n\n";
constexpr size_t kMostUnits = INT32_MAX;

}  // namespace

bool BookText::Append(std::span<const uint8_t> item) {
    const DecodingPlan plan = PlanMarkupDecoding(item);
    std::u16string decoded;
    std::span<const uint8_t> body = item.subspan(plan.markSize);
    TextEncoding encoding = plan.builtIn.value_or(TextEncoding::Utf8);
    if (!plan.builtIn) {
        decoded = DecodeMarkup(item);
        body = {reinterpret_cast<const uint8_t*>(decoded.data()), decoded.size() * 2};
        encoding = std::endian::native == std::endian::little ? TextEncoding::Utf16Le
                                                              : TextEncoding::Utf16Be;
    }
    const size_t before = text_.size();
    const size_t start = starts_.empty() ? before : before + kParagraphBreak.size();
    const size_t capacity = HtmlCapacity(body.size() / UnitWidth(encoding));
    if (start + capacity > kMostUnits) {
        return false;
    }
    text_.resize(start + capacity);
    if (start != before) {
        std::copy(kParagraphBreak.begin(), kParagraphBreak.end(), text_.begin() + before);
    }
    const HtmlConversion conversion =
        ConvertHtml(body, encoding, {text_.data() + start, capacity}, HtmlSource::BookItem);
    text_.resize(start + conversion.count);
    const size_t index = starts_.size();
    starts_.push_back(static_cast<int32_t>(start));
    for (const ElementId& id : conversion.ids) {
        ids_.emplace(std::pair(index, id.id), static_cast<int32_t>(start) + id.offset);
    }
    for (Chapter heading : conversion.headings) {
        heading.offset += static_cast<int32_t>(start);
        headings_.push_back(std::move(heading));
    }
    return true;
}

std::optional<int32_t> BookText::IdOffset(size_t item, const std::u16string& id) const {
    const auto found = ids_.find(std::pair(item, id));
    return found == ids_.end() ? std::nullopt : std::optional<int32_t>(found->second);
}

}  // namespace sorna
