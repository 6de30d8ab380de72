#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "document/DecodingPlan.h"

namespace sorna {

// How a book's XML or XHTML file is read: as its byte-order mark says (UTF-32's too), as UTF-16
// when its zero bytes show it, as its XML declaration names (code page 949 for EUC-KR and its
// other names, any encoding ICU knows), and as UTF-8 when nothing says otherwise.
DecodingPlan PlanMarkupDecoding(std::span<const uint8_t> bytes);

// The whole file decoded as PlanMarkupDecoding says, without its byte-order mark.
std::u16string DecodeMarkup(std::span<const uint8_t> bytes);

}  // namespace sorna
