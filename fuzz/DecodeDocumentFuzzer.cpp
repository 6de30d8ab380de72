// Any bytes as the contents of a text file and of an HTML file: decoding must give a terminated
// text no longer than the bytes allow, and fail only with a message. The same bytes as a page in
// the encoding their size picks: converted into the room the loader gives, the page must come out
// whole, and into a third of that room it must still stop inside it, terminated. Decoded in up
// to eight parts, as the first byte says, every decoding must give what it gives in one part. A
// page's headings and a text's chapters lie inside the text, in its order, and the chapters read
// in parts are those read in one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/ConvertHtml.h"
#include "document/DecodeDocument.h"
#include "document/DecodeInParts.h"
#include "document/FindChapters.h"

namespace {

bool ChaptersSound(const sorna::DocumentText& document, size_t parts) {
    const std::u16string_view text(document.text.get(), size_t(document.length));
    const std::vector<sorna::Chapter> chapters =
        document.chapters ? *document.chapters : sorna::FindChapters(text, sorna::Parting{});
    return std::ranges::is_sorted(chapters, {}, &sorna::Chapter::offset) &&
           (chapters.empty() || chapters.back().offset <= document.length) &&
           (document.chapters || chapters == sorna::FindChapters(text, sorna::Parting{parts, 1}));
}

bool DecodesInPartsAsInOne(std::span<const uint8_t> bytes) {
    const sorna::Parting parting{size_t{2} + (bytes.empty() ? 0 : bytes[0] % 7)};
    for (const sorna::PartDecoding* decoding :
         {&sorna::kStrictUtf8Parts, &sorna::kUtf8Parts, &sorna::kCodePage949Parts}) {
        std::vector<char16_t> one(bytes.size());
        std::vector<char16_t> inParts(bytes.size());
        const auto oneLength = sorna::DecodeInParts(bytes, one, *decoding, sorna::Parting{});
        const auto partsLength = sorna::DecodeInParts(bytes, inParts, *decoding, parting);
        if (oneLength.has_value() != partsLength.has_value() ||
            (oneLength && !std::equal(one.begin(), one.begin() + *oneLength, inParts.begin(),
                                      inParts.begin() + *partsLength))) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const bool asHtml : {false, true}) {
        sorna::DocumentText document;
        const bool decoded = sorna::DecodeDocument(document, {data, size}, asHtml, nullptr);
        const size_t most = asHtml ? sorna::HtmlCapacity(size) : size;
        const bool sound = decoded ? document.HasDocument() &&
                                         static_cast<size_t>(document.length) < most + 1 &&
                                         document.text[document.length] == 0
                                   : !document.loadError.empty() && !document.HasDocument();
        if (!sound || (decoded && !ChaptersSound(document, 2 + size % 6))) {
            __builtin_trap();
        }
    }
    if (!DecodesInPartsAsInOne({data, size})) {
        __builtin_trap();
    }
    const auto encoding = static_cast<sorna::TextEncoding>(size % 4);
    const size_t roomy = sorna::HtmlCapacity(size / sorna::UnitWidth(encoding));
    for (const size_t room : {roomy, roomy / 3}) {
        std::vector<char16_t> output(room, u'#');
        const sorna::HtmlConversion result = sorna::ConvertHtml({data, size}, encoding, output);
        const bool terminated = result.count < room && output[result.count] == 0;
        if ((room != 0 && !terminated) || (room == roomy && !result.complete)) {
            __builtin_trap();
        }
    }
    return 0;
}
