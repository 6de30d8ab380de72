// Any bytes as an HTML page in any of the encodings: the conversion must stay inside its output,
// terminate it, and, given the capacity the loader gives, never run out of room.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/ConvertHtml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using sorna::TextEncoding;
    if (size == 0) {
        return 0;
    }
    // The first byte picks the encoding and, now and then, a smaller output.
    const auto encoding = static_cast<TextEncoding>(data[0] % 4);
    const bool cramped = (data[0] & 0x80) != 0;
    const std::span<const uint8_t> page(data + 1, size - 1);
    const size_t roomy = sorna::HtmlCapacity(page.size() / sorna::UnitWidth(encoding));
    std::vector<char16_t> output(cramped ? roomy / 3 : roomy, u'#');
    const sorna::HtmlConversion result = sorna::ConvertHtml(page, encoding, output);
    const bool terminated = result.count < output.size() && output[result.count] == 0;
    if ((!output.empty() && !terminated) || (!cramped && !result.complete)) {
        __builtin_trap();
    }
    return 0;
}
