#include "document/DecodeDocument.h"

#include <algorithm>
#include <memory>
#include <new>

#include "document/ConvertHtml.h"
#include "document/DecodeUnits.h"
#include "document/TextEncoding.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

// Room for the longest text a document may have, and its terminator.
constexpr size_t kMaxTextCapacity = static_cast<size_t>(INT32_MAX) + 1;

// Left uninitialised: pages that the decoder never writes are never touched, so a buffer
// sized for the worst case costs only the memory that the text fills.
std::unique_ptr<char16_t[]> AllocateText(size_t units) {
    return std::unique_ptr<char16_t[]>(new (std::nothrow) char16_t[units]);
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
    const HtmlConversion result = ConvertHtml(body, encoding, {text.get(), capacity});
    // Only a page beyond 32-bit positions can fill the buffer.
    if (!result.complete) {
        return FailOutOfMemory(document, uint64_t{capacity} * 2);
    }
    Keep(document, std::move(text), result.count);
    return true;
}

bool DecodeUtf16(DocumentText& document, std::span<const uint8_t> bytes,
                 const EncodingChoice& choice) {
    const auto body = bytes.subspan(choice.markSize);
    const size_t units = body.size() / 2;
    auto text = AllocateText(units + 1);
    if (!text) {
        return FailOutOfMemory(document, bytes.size());
    }
    DecodeUnits(choice.encoding, body, {text.get(), units});
    Keep(document, std::move(text), units);
    return true;
}

// Code page 949 and UTF-8: one decoding pass into a buffer of one unit per byte, the most
// either can need.
bool DecodeConverted(DocumentText& document, std::span<const uint8_t> bytes,
                     const EncodingChoice& choice, ProgressText* progress) {
    const auto body = bytes.subspan(choice.markSize);
    if (body.empty()) {
        return document.Fail(
            FormatText(kConversionFailedMessage, {int64_t{0}, static_cast<int64_t>(bytes.size())}));
    }
    ReportProgress(progress, kAllocatingProgress);
    auto text = AllocateText(body.size() + 1);
    if (!text) {
        return FailOutOfMemory(document, body.size());
    }
    ReportProgress(progress, kConvertingProgress);
    const size_t length = DecodeUnits(choice.encoding, body, {text.get(), body.size()});
    Keep(document, std::move(text), length);
    return true;
}

}  // namespace

bool DecodeDocument(DocumentText& document, std::span<const uint8_t> bytes, bool asHtml,
                    ProgressText* progress) {
    const EncodingChoice choice = DetectEncoding(bytes);
    if (asHtml) {
        return DecodeHtml(document, bytes.subspan(choice.markSize), choice.encoding);
    }
    if (UnitWidth(choice.encoding) == 2) {
        return DecodeUtf16(document, bytes, choice);
    }
    return DecodeConverted(document, bytes, choice, progress);
}

}  // namespace sorna
