#include "document/DecodeDocument.h"

#include <algorithm>
#include <memory>
#include <new>

#include "document/ConvertHtml.h"
#include "document/DecodeInParts.h"
#include "document/DecodeInSlices.h"
#include "document/DecodingPlan.h"
#include "document/Johab.h"
#include "document/NamedConverter.h"
#include "document/TextEncoding.h"
#include "document/Utf8.h"
#include "platform/HugePages.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

// Room for the longest text a document may have, and its terminator.
constexpr size_t kMaxTextCapacity = static_cast<size_t>(INT32_MAX) + 1;

// Left uninitialised: pages that the decoder never writes are never touched, so a buffer
// sized for the worst case costs only the memory that the text fills (to the next huge page).
std::unique_ptr<char16_t[]> AllocateText(size_t units) {
    std::unique_ptr<char16_t[]> text(new (std::nothrow) char16_t[units]);
    if (text) {
        PreferHugePages(text.get(), units * sizeof(char16_t));
    }
    return text;
}

bool FailOutOfMemory(DocumentText& document, uint64_t size) {
    return document.Fail(FormatText(kOutOfMemoryMessage, {static_cast<int64_t>(size)}));
}

void Keep(DocumentText& document, std::unique_ptr<char16_t[]> text, size_t length) {
    text[length] = 0;
    document.text = std::move(text);
    document.length = static_cast<int32_t>(length);
}

bool DecodeHtml(DocumentText& document, std::span<const uint8_t> body, TextEncoding encoding) {
    const size_t units = body.size() / UnitWidth(encoding);
    const size_t capacity = std::min(HtmlCapacity(units), kMaxTextCapacity);
    auto text = AllocateText(capacity);
    if (!text) {
        return FailOutOfMemory(document, uint64_t{capacity} * 2);
    }
    HtmlConversion result = ConvertHtml(body, encoding, {text.get(), capacity});
    // Only a page beyond 32-bit positions can fill the buffer.
    if (!result.complete) {
        return FailOutOfMemory(document, uint64_t{capacity} * 2);
    }
    Keep(document, std::move(text), result.count);
    document.chapters = std::move(result.headings);
    return true;
}

bool DecodeUtf16(DocumentText& document, std::span<const uint8_t> body, TextEncoding encoding,
                 const SliceControl& control) {
    const size_t units = body.size() / 2;
    auto text = AllocateText(units + 1);
    if (!text) {
        return FailOutOfMemory(document, body.size());
    }
    const std::optional<size_t> length =
        DecodeUtf16InSlices(encoding, body, {text.get(), units}, control);
    if (!length) {
        return false;
    }
    Keep(document, std::move(text), *length);
    return true;
}

// Text without a mark is UTF-8 when it is well-formed UTF-8 beyond ASCII (then it decodes to
// fewer units than it has bytes) and code page 949 otherwise; one pass decodes and checks it,
// and only text that fails is read again. A character cut short at the very end, as a cut
// download leaves it, does not count against UTF-8: it becomes U+FFFD. None when stopped.
std::optional<size_t> DecodeUnmarked(DocumentText& document, std::span<const uint8_t> body,
                                     std::span<char16_t> text, const SliceControl& control) {
    const std::span<const uint8_t> uncut = WithoutCutCharacter(body);
    if (const std::optional<size_t> length =
            StartsWellFormedUtf8(uncut) ? DecodeInSlices(uncut, text, kStrictUtf8Parts, control)
                                        : std::nullopt;
        length && *length < uncut.size()) {
        document.encoding = EncodingName(TextEncoding::Utf8);
        return *length + DecodeUtf8(body.subspan(uncut.size()), text.subspan(*length)).written;
    }
    if (control.stop.stop_requested()) {
        return std::nullopt;
    }
    document.encoding = EncodingName(TextEncoding::CodePage949);
    document.checkpoints.clear();
    return DecodeInSlices(body, text, kCodePage949Parts, control);
}

// Text in an encoding of one byte or pair per unit: as the plan says, or as the bytes decide.
std::optional<size_t> DecodeOneBytePlanned(DocumentText& document, std::span<const uint8_t> body,
                                           std::optional<TextEncoding> planned,
                                           std::span<char16_t> text, const SliceControl& control) {
    if (!planned) {
        return DecodeUnmarked(document, body, text, control);
    }
    return DecodeInSlices(body, text, PartDecodingOf(*planned), control);
}

// Code page 949 and UTF-8: decoded into a buffer of one unit per byte, the most either can
// need.
bool DecodeConverted(DocumentText& document, std::span<const uint8_t> body,
                     std::optional<TextEncoding> planned, ProgressText* progress,
                     const SliceControl& control) {
    ReportProgress(progress, kAllocatingProgress);
    auto text = AllocateText(body.size() + 1);
    if (!text) {
        return FailOutOfMemory(document, body.size());
    }
    ReportProgress(progress, kConvertingProgress);
    const std::optional<size_t> length =
        DecodeOneBytePlanned(document, body, planned, {text.get(), body.size()}, control);
    if (!length) {
        return false;
    }
    Keep(document, std::move(text), *length);
    return true;
}

// Johab and the encodings of ICU's converters, on one thread; no character takes less than a
// byte. A page is decoded first and then converted from its UTF-16.
bool DecodeNamed(DocumentText& document, std::span<const uint8_t> body, bool asHtml,
                 ProgressText* progress) {
    ReportProgress(progress, kAllocatingProgress);
    auto text = AllocateText(body.size() + 1);
    if (!text) {
        return FailOutOfMemory(document, body.size());
    }
    ReportProgress(progress, kConvertingProgress);
    const std::span<char16_t> room(text.get(), body.size());
    const size_t length = document.encoding == "Johab"
                              ? DecodeJohab(body, room).written
                              : DecodeWithConverter(document.encoding, body, room);
    if (!asHtml) {
        Keep(document, std::move(text), length);
        return true;
    }
    const std::span<const uint8_t> utf16(reinterpret_cast<const uint8_t*>(text.get()),
                                         length * sizeof(char16_t));
    return DecodeHtml(document, utf16, kNativeUtf16);
}

}  // namespace

bool DecodeDocument(DocumentText& document, std::span<const uint8_t> bytes, bool asHtml,
                    ProgressText* progress, std::string_view chosen, std::stop_token stop) {
    document.chapters.reset();
    document.checkpoints.clear();
    const DecodingPlan plan = PlanDecoding(bytes, asHtml, chosen);
    document.encoding = plan.name;
    const auto body = bytes.subspan(plan.markSize);
    if (!plan.builtIn && !plan.name.empty()) {
        return DecodeNamed(document, body, asHtml, progress);
    }
    if (asHtml) {
        return DecodeHtml(document, body, *plan.builtIn);
    }
    const SliceControl control{std::move(stop), plan.markSize, &document.checkpoints};
    if (plan.builtIn && UnitWidth(*plan.builtIn) == 2) {
        return DecodeUtf16(document, body, *plan.builtIn, control);
    }
    return DecodeConverted(document, body, plan.builtIn, progress, control);
}

}  // namespace sorna
