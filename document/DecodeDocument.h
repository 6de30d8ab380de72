#pragma once

#include <cstdint>
#include <span>
#include <stop_token>
#include <string_view>

#include "document/DocumentText.h"
#include "document/ProgressText.h"

namespace sorna {

// Largest file a document can come from: its text must be addressable by 32-bit positions.
inline constexpr uint64_t kMaxDocumentBytes = INT32_MAX;

// Decodes a file's bytes (at most kMaxDocumentBytes) into the document's text and length: as
// HTML converted to plain text, or as text, in the encoding chosen or else the one the bytes show
// (PlanDecoding), whose name it keeps in `encoding`. The bytes
// are read where they are; the text buffer is the only allocation of document size. No bytes, or
// only a byte-order mark, are an empty text. False, with `loadError` set and the text left unset,
// when the buffer cannot be had. An HTML document's chapters are its h1 to h3 headings, known
// from the conversion; a plain text's are left unknown. Converted text reports its "ALLOC" and
// "변환" stages to `progress` when given. Text of one byte or pair per unit keeps a checkpoint
// every slice it was decoded in; such text and UTF-16 give up, false without a message, when a
// stop is requested.
[[nodiscard]] bool DecodeDocument(DocumentText& document, std::span<const uint8_t> bytes,
                                  bool asHtml, ProgressText* progress, std::string_view chosen = {},
                                  std::stop_token stop = {});

}  // namespace sorna
