// Any bytes as the contents of a text file and of an HTML file: decoding must give a terminated
// text no longer than the bytes allow, and fail only with a message.
#include <cstddef>
#include <cstdint>

#include "document/ConvertHtml.h"
#include "document/DecodeDocument.h"

namespace {

void Check(std::span<const uint8_t> bytes, bool asHtml) {
    sorna::DocumentText document;
    if (!sorna::DecodeDocument(document, bytes, asHtml, nullptr)) {
        if (document.loadError.empty() || document.HasDocument()) {
            __builtin_trap();
        }
        return;
    }
    const size_t most = asHtml ? sorna::HtmlCapacity(bytes.size()) : bytes.size();
    if (!document.HasDocument() || static_cast<size_t>(document.length) >= most + 1 ||
        document.text[document.length] != 0) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    Check(bytes, false);
    Check(bytes, true);
    return 0;
}
