#pragma once

#include <cstdint>

namespace sorna {

// Lines a page step moves: the page less the lines it shares with the next one. Whatever was
// stored, a step moves at least one line and shares at most all but one.
int32_t PageStep(int32_t linesPerPage, int32_t shareLines);

// Where the top line stands among the pages of a layout, counted as the page step turns them:
// from the first line on, a step at a time, until a page shows the last line.
struct PageNumbers {
    int32_t page = 1;   // from 1
    int32_t total = 1;  // never less than 1

    bool operator==(const PageNumbers&) const = default;
};

// The page of `topLine` among `lineCount` display lines, `linesPerPage` a page, moved `step` lines
// a page. A top line between two steps belongs to the page it started in; the last page is the
// one that shows the last line, wherever it starts.
PageNumbers CountPages(int32_t topLine, int32_t lineCount, int32_t linesPerPage, int32_t step);

// The top line of page `page` (held to 1..total): the last page ends with the last line.
int32_t PageTopLine(int32_t page, int32_t lineCount, int32_t linesPerPage, int32_t step);

}  // namespace sorna
