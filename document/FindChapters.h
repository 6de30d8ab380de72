#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "document/Chapter.h"
#include "platform/ParallelParts.h"

namespace sorna {

// Texts shorter than two parts of this many code units are read on the calling thread alone.
inline constexpr int64_t kChapterPartLength = int64_t{4} << 20;

// The chapters of a plain text, in the order of the text: its heading lines (see HeadingLine.h)
// as they stand apart from the body text.
// - A line is a source line between line feeds (a carriage return before one belongs to the line
//   end), non-empty and short once trimmed.
// - Numbered headings count only as a rising sequence of one form (제N장, N화, CHAPTER N in
//   Roman numerals, …), with gaps of a few numbers and restarts at 1 after a heading of a higher
//   level or a word heading (a new 부 or BOOK, an EPILOGUE); a form with fewer than two in
//   sequence gives nothing.
// - A list of contents, heading lines with nothing but blank lines between them, gives nothing
//   when the same headings follow later in the same order.
// - Levels: the highest level of the text becomes 1 (CHAPTER alone is 1; BOOK 1 and CHAPTER 2);
//   a word heading (프롤로그, EPILOGUE) takes the highest level of the numbered ones.
// The lines are read in parts at once, as `parting` cuts the text at line feeds; the answer is
// the same for any parting.
std::vector<Chapter> FindChapters(std::u16string_view text,
                                  Parting parting = Parting::PerThread(kChapterPartLength));

}  // namespace sorna
