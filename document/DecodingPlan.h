#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "document/TextEncoding.h"

namespace sorna {

// How a document's bytes are to be read.
struct DecodingPlan {
    // The encoding's name as the encoding menu and the recent files know it ("windows-949",
    // "UTF-8", "UTF-16LE", "UTF-16BE", "Johab", "ISO-2022-KR", ...); empty for text without a
    // mark or other evidence, which is UTF-8 when it is well-formed and code page 949 otherwise,
    // decided as it is decoded.
    std::string name;
    // Set when one of our own decoders reads it (in parts where the encoding allows); else the
    // name is "Johab" or a converter of ICU's.
    std::optional<TextEncoding> builtIn;
    size_t markSize = 0;  // bytes of a byte-order mark to leave out
};

// The name of one of our own decoders' encodings.
std::string_view EncodingName(TextEncoding encoding);

// The encoding of ours that `name` names, as EncodingName gives it; none for any other name.
std::optional<TextEncoding> BuiltInByName(std::string_view name);

// `chosen` names the encoding chosen by hand ("Johab" or any name ICU knows); when it is empty
// or unknown, the bytes decide: a byte-order mark (of UTF-32 too), then UTF-16 by its zero bytes,
// then ISO-2022-KR by its designator, and for HTML not well-formed as UTF-8 the charset the page
// declares, unless that is a name of code page 949, EUC-KR, UTF-8 or UTF-16 (ISO-8859-1 and ASCII
// are read as windows-1252, their superset).
DecodingPlan PlanDecoding(std::span<const uint8_t> bytes, bool asHtml, std::string_view chosen);

}  // namespace sorna
