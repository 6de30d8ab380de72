#pragma once

#include <cstdint>
#include <string_view>

namespace sorna {

// Where a reading position in the document at `path`, read in the encoding `from`, lies once it
// is read in `to` (empty: as the bytes decide). In a text it is the unit that comes of the same
// byte of the file; in an HTML page, whose markup has no units, the same share of the text.
// Never past the new text's end; 0 when the file cannot be read.
int32_t PositionInEncoding(std::u16string_view path, bool asHtml, std::string_view from,
                           std::string_view to, int32_t position);

}  // namespace sorna
