#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace sorna {

// How a file is read: as text, as an HTML page turned into text, or as an EPUB book.
enum class DocumentKind { Text, Html, Book };

// Decided by the name's ending, in any letter case: ".htm" and ".html" are pages and ".epub"
// books. A name that ends in none of these, nor in ".txt" or ".cap", is a book when its bytes
// start as a zip archive does ("PK\3\4"); anything else is text.
DocumentKind KindOfDocument(std::u16string_view path, std::span<const uint8_t> bytes);

}  // namespace sorna
