#pragma once

#include <cstdint>
#include <span>

#include "document/DocumentText.h"
#include "document/ProgressText.h"

namespace sorna {

// Reads an EPUB book from its file's bytes, where they lie, into the document's text: the items
// of its reading order turned into plain text and joined by paragraph breaks. The chapters come
// from the book's navigation document, else from its NCX, else from the items' h1 to h3 headings.
// At most min(1 GiB, 200 times the file's size) bytes are inflated. False, with `loadError` set
// and the text left unset, for a book that cannot be read whole: not a zip archive or a damaged
// one, too many entries, too much to inflate, no container or package, a missing item, a link
// out of the book, or text that is encrypted.
[[nodiscard]] bool DecodeBook(DocumentText& document, std::span<const uint8_t> bytes,
                              ProgressText* progress);

}  // namespace sorna
