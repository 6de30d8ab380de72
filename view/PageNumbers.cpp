#include "view/PageNumbers.h"

#include <algorithm>

namespace sorna {
namespace {

// The top line of the last page: the page that ends with the last line.
int64_t LastPageTop(int32_t lineCount, int32_t linesPerPage) {
    return std::max<int64_t>(int64_t{lineCount} - std::max(linesPerPage, 1), 0);
}

int64_t TotalPages(int32_t lineCount, int32_t linesPerPage, int32_t step) {
    const int64_t lastTop = LastPageTop(lineCount, linesPerPage);
    const int64_t steps = std::max(step, 1);
    return 1 + (lastTop + steps - 1) / steps;
}

}  // namespace

int32_t PageStep(int32_t linesPerPage, int32_t shareLines) {
    const int32_t shared = std::clamp(shareLines, 0, std::max(linesPerPage - 1, 0));
    return std::max(linesPerPage - shared, 1);
}

PageNumbers CountPages(int32_t topLine, int32_t lineCount, int32_t linesPerPage, int32_t step) {
    const int64_t total = TotalPages(lineCount, linesPerPage, step);
    const int64_t page = topLine >= LastPageTop(lineCount, linesPerPage)
                             ? total
                             : 1 + std::max(topLine, 0) / std::max(step, 1);
    return {int32_t(std::min(page, total)), int32_t(total)};
}

int32_t PageTopLine(int32_t page, int32_t lineCount, int32_t linesPerPage, int32_t step) {
    const int64_t total = TotalPages(lineCount, linesPerPage, step);
    const int64_t held = std::clamp<int64_t>(page, 1, total);
    if (held == total) {
        return int32_t(LastPageTop(lineCount, linesPerPage));
    }
    return int32_t((held - 1) * std::max(step, 1));
}

}  // namespace sorna
