// Any bytes as the contents of a text file and of an HTML file: decoding must give a terminated
// text no longer than the bytes allow, and fail only with a message.
#include <cstddef>
#include <cstdint>

#include "document/ConvertHtml.h"
#include "document/DecodeDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const bool asHtml : {false, true}) {
        sorna::DocumentText document;
        const bool decoded = sorna::DecodeDocument(document, {data, size}, asHtml, nullptr);
        const size_t most = asHtml ? sorna::HtmlCapacity(size) : size;
        const bool sound = decoded ? document.HasDocument() &&
                                         static_cast<size_t>(document.length) < most + 1 &&
                                         document.text[document.length] == 0
                                   : !document.loadError.empty() && !document.HasDocument();
        if (!sound) {
            __builtin_trap();
        }
    }
    return 0;
}
