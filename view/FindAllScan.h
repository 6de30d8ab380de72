#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "view/TextSearch.h"
#include "view/TextSpan.h"

namespace sorna {

// Every occurrence of a search in a text, found a stretch at a time so that a caller can show
// the first ones, and how many there are, without waiting for the whole of a long text.
// Occurrences do not overlap: after one, the scan goes on from its end. How the steps cut the
// text does not change what is found; an occurrence that straddles a step's end is found once.
// The text must outlive the scan and stay unchanged.
class FindAllScan {
public:
    // Keeps the first `keep` occurrences and counts all of them.
    FindAllScan(TextSearch search, std::u16string_view text, size_t keep);

    // Scans on for about `units` more code units of the text (at least one, and past the end of
    // an occurrence that straddles the stretch); false once the whole text is done.
    bool Step(size_t units);
    [[nodiscard]] bool Done() const { return scanned_ >= text_.size(); }

    // Occurrences found so far.
    size_t Count() const { return count_; }
    // The first `keep` of them, in text order.
    const std::vector<TextSpan>& Hits() const { return hits_; }
    // Units of the text done so far.
    size_t Scanned() const { return scanned_; }

private:
    TextSearch search_;
    std::u16string_view text_;
    size_t keep_;
    size_t scanned_ = 0;
    size_t count_ = 0;
    std::vector<TextSpan> hits_;
};

}  // namespace sorna
