// Any bytes as the contents of a text file and of an HTML file: decoding must give a terminated
// text no longer than the bytes allow, and fail only with a message. The same bytes as a page in
// the encoding their size picks: converted into the room the loader gives, the page must come out
// whole, and into a third of that room it must still stop inside it, terminated. Decoded in up
// to eight parts, as the first byte says, every decoding (UTF-16 too) must give what it gives in
// one part. A page's headings and a text's chapters lie inside the text, in its order, and the
// chapters read in parts are those read in one. Read in an encoding chosen by hand, as the last
// byte picks it, the same holds, and walking its units stays inside the bytes. Walking our own
// decoders to a place and a byte limit stops where decoding the bytes up to it gives the same
// units.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "document/ConvertHtml.h"
#include "document/DecodeDocument.h"
#include "document/DecodeInParts.h"
#include "document/DecodeUnits.h"
#include "document/FindChapters.h"
#include "document/NamedConverter.h"
#include "resources/EncodingTable.h"

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
    std::vector<char16_t> one(bytes.size() / 2);
    std::vector<char16_t> inParts(one.size());
    sorna::DecodeUtf16InParts(sorna::TextEncoding::Utf16Be, bytes, one, sorna::Parting{});
    sorna::DecodeUtf16InParts(sorna::TextEncoding::Utf16Be, bytes, inParts, parting);
    return one == inParts;
}

// Every encoding of the menu, or a name that none knows.
std::string_view ChosenEncoding(std::span<const uint8_t> bytes) {
    const size_t count = std::size(sorna::kChoosableEncodings);
    const size_t n = bytes.empty() ? 0 : bytes.back() % (count + 1);
    return n < count ? sorna::kChoosableEncodings[n].name : "no-such-encoding";
}

bool DecodesSoundly(std::span<const uint8_t> bytes, bool asHtml, std::string_view encoding) {
    sorna::DocumentText document;
    const bool decoded = sorna::DecodeDocument(document, bytes, asHtml, nullptr, encoding);
    const size_t most = asHtml ? sorna::HtmlCapacity(bytes.size()) : bytes.size();
    const bool sound = decoded ? document.HasDocument() &&
                                     static_cast<size_t>(document.length) < most + 1 &&
                                     document.text[document.length] == 0
                               : !document.loadError.empty() && !document.HasDocument();
    return sound && (!decoded || ChaptersSound(document, 2 + bytes.size() % 6));
}

bool WalksInside(std::span<const uint8_t> bytes, std::string_view encoding) {
    const sorna::UnitsAndBytes walked = sorna::WalkUnits(encoding, bytes, bytes.size() / 2);
    return walked.bytes <= bytes.size() && walked.units <= bytes.size() / 2;
}

bool WalksAsItDecodes(std::span<const uint8_t> bytes, sorna::TextEncoding encoding) {
    std::vector<char16_t> whole(bytes.size());
    whole.resize(sorna::DecodeUnits(encoding, bytes, whole).written);
    const size_t limit = bytes.empty() ? 0 : bytes[0] % bytes.size() + 1;
    const sorna::DecodedBytes walked =
        sorna::WalkDecodedUnits(encoding, bytes, whole.size() / 2 + 1, limit);
    std::vector<char16_t> prefix(walked.written + 1);
    const sorna::DecodedBytes again =
        sorna::DecodeUnits(encoding, bytes.first(walked.read), prefix);
    return walked.read <= limit && again.written == walked.written &&
           std::equal(prefix.begin(), prefix.begin() + again.written, whole.begin());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    for (const bool asHtml : {false, true}) {
        for (const std::string_view encoding : {std::string_view(), ChosenEncoding(bytes)}) {
            if (!DecodesSoundly(bytes, asHtml, encoding)) {
                __builtin_trap();
            }
        }
    }
    if (!WalksInside(bytes, ChosenEncoding(bytes))) {
        __builtin_trap();
    }
    const auto encoding = static_cast<sorna::TextEncoding>(size % 4);
    if (!DecodesInPartsAsInOne({data, size}) || !WalksAsItDecodes(bytes, encoding)) {
        __builtin_trap();
    }
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
