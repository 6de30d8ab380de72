#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/ByteCheckpoint.h"
#include "document/Chapter.h"
#include "document/DocumentKind.h"

namespace sorna {

// The decoded document as the view holds it: UTF-16 code units, NUL-terminated at `length`.
// Offsets into `text` are the reading positions of the whole program.
struct DocumentText {
    std::unique_ptr<char16_t[]> text;  // null when no document is loaded
    int32_t length = 0;                // code units, terminator not counted
    std::u16string documentPath;       // the path exactly as it was passed to the loader
    std::u16string loadError;          // message of the last failed load; kept across clearing
    DocumentKind kind = DocumentKind::Text;
    std::string encoding;  // the name of the encoding it was read in (DecodingPlan)
    // The chapters once known: a page's headings and a book's table are known from its load
    // (possibly none); a plain text's are unknown until the reader finds them (FindChapters).
    std::optional<std::vector<Chapter>> chapters;
    // Where decoding text of one byte or pair per unit started afresh, in order; empty for the
    // other encodings and for pages and books.
    std::vector<ByteCheckpoint> checkpoints;

    [[nodiscard]] bool HasDocument() const { return text != nullptr; }

    // Notes why a load failed, for the caller to show; always false, so a step can return it.
    bool Fail(std::u16string message) {
        loadError = std::move(message);
        return false;
    }

    // Forget the document: frees the text, empties the path and the encoding and forgets the
    // chapters; the last error stays.
    void Clear() {
        text.reset();
        length = 0;
        documentPath.clear();
        kind = DocumentKind::Text;
        encoding.clear();
        chapters.reset();
        checkpoints.clear();
    }
};

}  // namespace sorna
