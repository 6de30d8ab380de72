#include "view/FindAllScan.h"

#include <algorithm>
#include <utility>

namespace sorna {

FindAllScan::FindAllScan(TextSearch search, std::u16string_view text, size_t keep)
    : search_(std::move(search)), text_(text), keep_(keep) {
    if (search_.Empty()) {
        scanned_ = text_.size();
    }
}

bool FindAllScan::Step(size_t units) {
    const size_t until = scanned_ + std::min(std::max<size_t>(units, 1), text_.size() - scanned_);
    while (scanned_ < until) {
        const std::optional<TextSpan> hit = search_.Next(text_, scanned_, until);
        if (!hit) {
            scanned_ = until;
            break;
        }
        ++count_;
        if (hits_.size() < keep_) {
            hits_.push_back(*hit);
        }
        scanned_ = size_t(hit->offset) + size_t(hit->length);
    }
    return !Done();
}

}  // namespace sorna
