#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace sorna {

// The decoded document as the view holds it: UTF-16 code units, NUL-terminated at `length`.
// Offsets into `text` are the reading positions of the whole program.
struct DocumentText {
    std::unique_ptr<char16_t[]> text;  // null when no document is loaded
    int32_t length = 0;                // code units, terminator not counted
    std::u16string documentPath;       // the path exactly as it was passed to the loader
    std::u16string loadError;          // message of the last failed load; kept across clearing
    bool isHtml = false;               // converted from HTML

    [[nodiscard]] bool HasDocument() const { return text != nullptr; }

    // Notes why a load failed, for the caller to show; always false, so a step can return it.
    bool Fail(std::u16string message) {
        loadError = std::move(message);
        return false;
    }

    // Forget the document: frees the text and empties the path; the last error stays.
    void Clear() {
        text.reset();
        length = 0;
        documentPath.clear();
        isHtml = false;
    }
};

}  // namespace sorna
