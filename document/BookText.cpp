#include "document/BookText.h"

#include <algorithm>
#include <new>

#include "document/ConvertHtml.h"
#include "document/MarkupEncoding.h"

namespace sorna {
namespace {

constexpr std::u16string_view kParagraphBreak = u"\n\n";
constexpr size_t kMostUnits = INT32_MAX;

}  // namespace

std::optional<size_t> BookText::MakeRoom(size_t units) {
    const size_t start = starts_.empty() ? length_ : length_ + kParagraphBreak.size();
    const size_t needed = start + units + 1;
    if (needed > kMostUnits) {
        return std::nullopt;
    }
    if (needed > capacity_) {
        // Left uninitialised: only what the text fills is ever touched.
        const size_t capacity = std::min(std::max(needed, capacity_ * 2), kMostUnits);
        std::unique_ptr<char16_t[]> grown(new (std::nothrow) char16_t[capacity]);
        if (!grown) {
            return std::nullopt;
        }
        std::copy(text_.get(), text_.get() + length_, grown.get());
        text_ = std::move(grown);
        capacity_ = capacity;
    }
    std::copy(kParagraphBreak.begin(), kParagraphBreak.begin() + (start - length_),
              text_.get() + length_);
    return start;
}

bool BookText::Append(std::span<const uint8_t> item) {
    const DecodingPlan plan = PlanMarkupDecoding(item);
    std::u16string decoded;
    std::span<const uint8_t> body = item.subspan(plan.markSize);
    TextEncoding encoding = plan.builtIn.value_or(TextEncoding::Utf8);
    if (!plan.builtIn) {
        decoded = DecodeMarkup(item);
        body = {reinterpret_cast<const uint8_t*>(decoded.data()), decoded.size() * 2};
        encoding = kNativeUtf16;
    }
    const size_t capacity = HtmlCapacity(body.size() / UnitWidth(encoding));
    const std::optional<size_t> start = MakeRoom(capacity);
    if (!start) {
        return false;
    }
    const HtmlConversion conversion =
        ConvertHtml(body, encoding, {text_.get() + *start, capacity}, HtmlSource::BookItem);
    length_ = *start + conversion.count;
    const size_t index = starts_.size();
    starts_.push_back(static_cast<int32_t>(*start));
    for (const ElementId& id : conversion.ids) {
        ids_.emplace(std::pair(index, id.id), static_cast<int32_t>(*start) + id.offset);
    }
    for (Chapter heading : conversion.headings) {
        heading.offset += static_cast<int32_t>(*start);
        headings_.push_back(std::move(heading));
    }
    return true;
}

bool BookText::Append(const BookText& next) {
    if (next.starts_.empty()) {
        return true;
    }
    const std::optional<size_t> start = MakeRoom(next.length_);
    if (!start) {
        return false;
    }
    std::copy(next.text_.get(), next.text_.get() + next.length_, text_.get() + *start);
    length_ = *start + next.length_;
    const size_t items = starts_.size();
    const auto moved = static_cast<int32_t>(*start);
    for (const int32_t itemStart : next.starts_) {
        starts_.push_back(itemStart + moved);
    }
    for (const auto& [key, offset] : next.ids_) {
        ids_.emplace(std::pair(items + key.first, key.second), offset + moved);
    }
    for (Chapter heading : next.headings_) {
        heading.offset += moved;
        headings_.push_back(std::move(heading));
    }
    return true;
}

std::optional<int32_t> BookText::IdOffset(size_t item, const std::u16string& id) const {
    const auto found = ids_.find(std::pair(item, id));
    return found == ids_.end() ? std::nullopt : std::optional<int32_t>(found->second);
}

std::unique_ptr<char16_t[]> BookText::TakeText() {
    if (!text_) {
        text_.reset(new char16_t[1]);
    }
    text_[length_] = 0;
    length_ = capacity_ = 0;
    return std::move(text_);
}

}  // namespace sorna
