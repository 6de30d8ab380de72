#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/Chapter.h"
#include "document/TextEncoding.h"

namespace sorna {

// What the markup comes from. A book's item also leaves out its title, turns an image into its
// alt text and notes where each element with an id begins, for the book's links into the item.
enum class HtmlSource { Page, BookItem };

struct ElementId {
    std::u16string id;
    int32_t offset = 0;  // in the output, after any line breaks the element's tag stands for
};

struct HtmlConversion {
    size_t count = 0;       // code units written, the terminating NUL not counted
    bool complete = false;  // false when the output ran out of room and text was left out
    // Every h1, h2 and h3 element that holds text, in the order of the page: where its text
    // begins in the output, the number of its tag, and its text (trimmed, line feeds turned
    // into spaces).
    std::vector<Chapter> headings;
    std::vector<ElementId> ids;  // a book item's, in the order of the page
};

// Turns an HTML document into plain text in one forward pass over its code units (bytes of code
// page 949 or UTF-8, or UTF-16 units without their mark), with no document tree: tags and
// comments are dropped, script and style contents skipped, br, p, pre and /tr become line feeds,
// white space between words collapses to one space outside pre, and a fixed set of character
// references is decoded. Every text chunk is followed by one space; at most three line-break
// chunks follow one another. Writes into `output` and NUL-terminates it at count; a chunk that
// does not fit ends the pass. Headings are noted on the way and change nothing of the text; a
// heading ends at its end tag, at the start or end tag of any other heading, or where the pass
// ends.
HtmlConversion ConvertHtml(std::span<const uint8_t> bytes, TextEncoding encoding,
                           std::span<char16_t> output, HtmlSource source = HtmlSource::Page);

// Output capacity (terminator included) that holds the conversion of any `units` input code
// units: outside pre a chunk never takes more units than its input, but inside pre each run gets
// a space beyond the white space it keeps, so two units can become three.
size_t HtmlCapacity(size_t units);

}  // namespace sorna
