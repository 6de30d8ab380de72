#pragma once

#include <cstddef>
#include <span>

namespace sorna {

// Both rewrite a chunk of HTML text in place and return its new length; the text only shrinks.

// Removes carriage returns, replaces the named references &amp; &gt; &lt; &quot; &apos; &nbsp;
// &copy; &middot; and &#149; (one after the other, each over the whole chunk, so "&amp;lt;" ends
// as "<"), then decodes the decimal references.
size_t DecodeEntities(std::span<char16_t> chunk);

// "&#" and a run of decimal digits become one code unit, the value's low 16 bits; a ";" right
// after the digits is dropped, any other unit there is kept as it is.
size_t DecodeNumericRefs(std::span<char16_t> chunk);

}  // namespace sorna
