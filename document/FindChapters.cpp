#include "document/FindChapters.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <unordered_map>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "document/HeadingLine.h"

namespace sorna {
namespace {

// A numbered heading may follow the one before it in its sequence by this much at most: a few
// chapters may be missing, or too long a line to be read as a heading.
constexpr int32_t kLargestStep = 5;
// A list of contents has at least this many entries that the text repeats later.
constexpr size_t kShortestContents = 3;

struct Candidate {
    int32_t offset = 0;  // where the line begins
    int32_t titleBegin = 0;
    int32_t titleLength = 0;
    HeadingLine heading;
    // Whether a line of body text (non-blank, not a heading) stands between the heading before
    // (or the start of its part) and this one.
    bool bodyBefore = false;
};

struct PartScan {
    std::vector<Candidate> candidates;
    bool bodyAfter = false;  // body text after the last candidate, or anywhere when there is none
};

// Calls onLine(begin, end) for every line in [begin, end) of the text, the line feed left out:
// line feeds found sixteen units at a time where the machine has SSE2. The part ends after a
// line feed or at the end of the text.
template <typename OnLine>
void ForEachLine(const char16_t* text, size_t begin, size_t end, const OnLine& onLine) {
    size_t lineStart = begin;
    size_t at = begin;
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi16(u'\n');
    for (; at + 16 <= end; at += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + 8));
        auto mask = static_cast<uint32_t>(_mm_movemask_epi8(
            _mm_packs_epi16(_mm_cmpeq_epi16(low, feed), _mm_cmpeq_epi16(high, feed))));
        while (mask != 0) {
            const size_t feedAt = at + static_cast<size_t>(std::countr_zero(mask));
            mask &= mask - 1;
            onLine(lineStart, feedAt);
            lineStart = feedAt + 1;
        }
    }
#endif
    for (; at < end; ++at) {
        if (text[at] == u'\n') {
            onLine(lineStart, at);
            lineStart = at + 1;
        }
    }
    if (lineStart < end) {
        onLine(lineStart, end);
    }
}

// The heading lines of one part. Only lines short once trimmed are read closely, and only
// past their first units when these can begin a heading.
PartScan ScanPart(std::u16string_view text, size_t begin, size_t end) {
    PartScan scan;
    ForEachLine(text.data(), begin, end, [&](size_t from, size_t to) {
        std::u16string_view line = text.substr(from, to - from);
        if (line.empty()) {
            return;
        }
        if (IsLineSpace(line.front()) || IsLineSpace(line.back())) {
            line = TrimLine(line);
            if (line.empty()) {
                return;
            }
        }
        if (line.size() <= kLongHeadingLine && MayStartHeading(line)) {
            if (const std::optional<HeadingLine> heading = ReadHeadingLine(line)) {
                scan.candidates.push_back(
                    {static_cast<int32_t>(from), static_cast<int32_t>(line.data() - text.data()),
                     static_cast<int32_t>(line.size()), *heading, scan.bodyAfter});
                scan.bodyAfter = false;
                return;
            }
        }
        scan.bodyAfter = true;
    });
    return scan;
}

// Every heading line of the text, its parts read at once.
std::vector<Candidate> ScanText(std::u16string_view text, Parting parting) {
    const size_t size = text.size();
    const std::vector<size_t> bounds = PartBounds<size_t>(
        size, parting.PartsFor(static_cast<int64_t>(size)), [&](size_t from, size_t end) {
            const size_t feed = text.substr(0, end).find(u'\n', from);
            return feed == std::u16string_view::npos ? end : feed + 1;
        });
    std::vector<PartScan> parts(bounds.size() - 1);
    RunParts(parts.size(),
             [&](size_t part) { parts[part] = ScanPart(text, bounds[part], bounds[part + 1]); });
    std::vector<Candidate> all;
    bool pending = false;
    for (PartScan& part : parts) {
        if (part.candidates.empty()) {
            pending = pending || part.bodyAfter;
            continue;
        }
        part.candidates.front().bodyBefore = part.candidates.front().bodyBefore || pending;
        all.insert(all.end(), part.candidates.begin(), part.candidates.end());
        pending = part.bodyAfter;
    }
    return all;
}

// What makes two headings the same entry: the form and number of a numbered one, the words of
// any other.
uint64_t KeyOf(std::u16string_view text, const Candidate& candidate) {
    if (candidate.heading.Numbered()) {
        return uint64_t{candidate.heading.form} << 32 | uint32_t(candidate.heading.number);
    }
    uint64_t hash = 14695981039346656037u;
    for (const char16_t unit : text.substr(candidate.titleBegin, candidate.titleLength)) {
        hash = (hash ^ unit) * 1099511628211u;
    }
    return hash | uint64_t{1} << 63;
}

// Marks the entries of lists of contents: runs of headings with no body text between them whose
// entries the text repeats later in the same order. Of such a run only the entries found again
// go; the run may end in headings of the body itself (BOOK ONE, then its CHAPTER I).
void MarkContents(std::u16string_view text, const std::vector<Candidate>& all,
                  std::vector<bool>& dropped) {
    std::unordered_map<uint64_t, std::vector<size_t>> places;
    std::vector<uint64_t> keys(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        keys[i] = KeyOf(text, all[i]);
        places[keys[i]].push_back(i);
    }
    for (size_t start = 0; start < all.size();) {
        size_t end = start + 1;
        while (end < all.size() && !all[end].bodyBefore) {
            ++end;
        }
        if (end - start >= kShortestContents) {
            std::vector<size_t> found;
            size_t from = start + 1;
            for (size_t i = start; i < end; ++i) {
                const std::vector<size_t>& same = places[keys[i]];
                const auto later =
                    std::lower_bound(same.begin(), same.end(), std::max(from, i + 1));
                if (later != same.end()) {
                    found.push_back(i);
                    from = *later + 1;
                }
            }
            if (found.size() >= kShortestContents && found.size() * 2 >= end - start) {
                for (const size_t i : found) {
                    dropped[i] = true;
                }
            }
        }
        start = end;
    }
}

// Of the numbered headings of one form, keeps the longest sequence whose numbers rise by at
// most kLargestStep, or start again at 0 or 1 after a restart point (a heading of a higher
// level or a word heading); drops the others, and all of them when the sequence is shorter
// than two.
void KeepSequence(const std::vector<Candidate>& all, const std::vector<size_t>& entries,
                  const std::vector<int32_t>& restarts, std::vector<bool>& dropped) {
    const size_t count = entries.size();
    std::vector<int32_t> length(count, 1);
    std::vector<size_t> previous(count, SIZE_MAX);
    // By number: the longest sequence ending in that number so far, and the entry it ends in.
    std::unordered_map<int32_t, std::pair<int32_t, size_t>> endingIn;
    std::pair<int32_t, size_t> best = {0, 0};
    std::pair<int32_t, size_t> beforeRestart = {0,
                                                SIZE_MAX};  // over entries before the last restart
    size_t restartsBefore = 0;
    for (size_t k = 0; k < count; ++k) {
        const Candidate& entry = all[entries[k]];
        const auto restartsHere = static_cast<size_t>(
            std::lower_bound(restarts.begin(), restarts.end(), entry.offset) - restarts.begin());
        if (restartsHere != restartsBefore) {
            beforeRestart = best;
            restartsBefore = restartsHere;
        }
        const int32_t number = entry.heading.number;
        for (int32_t step = 1; step <= kLargestStep; ++step) {
            const auto found = endingIn.find(number - step);
            if (found != endingIn.end() && found->second.first + 1 > length[k]) {
                length[k] = found->second.first + 1;
                previous[k] = found->second.second;
            }
        }
        if (number <= 1 && beforeRestart.second != SIZE_MAX &&
            beforeRestart.first + 1 > length[k]) {
            length[k] = beforeRestart.first + 1;
            previous[k] = beforeRestart.second;
        }
        auto& here = endingIn[number];
        if (length[k] > here.first) {
            here = {length[k], k};
        }
        if (length[k] > best.first) {
            best = {length[k], k};
        }
    }
    std::vector<bool> inSequence(count, false);
    if (best.first >= 2) {
        for (size_t k = best.second; k != SIZE_MAX; k = previous[k]) {
            inSequence[k] = true;
        }
    }
    for (size_t k = 0; k < count; ++k) {
        dropped[entries[k]] = dropped[entries[k]] || !inSequence[k];
    }
}

void KeepSequences(const std::vector<Candidate>& all, std::vector<bool>& dropped) {
    std::vector<int32_t> restarts;  // offsets, rising
    for (size_t i = 0; i < all.size(); ++i) {
        if (!dropped[i] && !all[i].heading.Numbered()) {
            restarts.push_back(all[i].offset);
        }
    }
    for (int32_t level = 1; level <= 3; ++level) {
        std::unordered_map<uint32_t, std::vector<size_t>> forms;
        std::vector<uint32_t> order;
        for (size_t i = 0; i < all.size(); ++i) {
            const HeadingLine& heading = all[i].heading;
            if (!dropped[i] && heading.Numbered() && heading.level == level) {
                auto& entries = forms[heading.form];
                if (entries.empty()) {
                    order.push_back(heading.form);
                }
                entries.push_back(i);
            }
        }
        for (const uint32_t form : order) {
            KeepSequence(all, forms[form], restarts, dropped);
        }
        // The headings kept at this level are restart points of the levels below.
        for (const uint32_t form : order) {
            for (const size_t i : forms[form]) {
                if (!dropped[i]) {
                    restarts.push_back(all[i].offset);
                }
            }
        }
        std::sort(restarts.begin(), restarts.end());
    }
}

}  // namespace

std::vector<Chapter> FindChapters(std::u16string_view text, Parting parting) {
    const std::vector<Candidate> all = ScanText(text, parting);
    std::vector<bool> dropped(all.size(), false);
    MarkContents(text, all, dropped);
    KeepSequences(all, dropped);

    int32_t numberedTop = 4;
    for (size_t i = 0; i < all.size(); ++i) {
        if (!dropped[i] && all[i].heading.Numbered()) {
            numberedTop = std::min(numberedTop, all[i].heading.level);
        }
    }
    // Word headings stand beside the highest numbered ones, and that level becomes 1.
    const int32_t top = numberedTop == 4 ? 1 : numberedTop;
    std::vector<Chapter> chapters;
    for (size_t i = 0; i < all.size(); ++i) {
        if (dropped[i]) {
            continue;
        }
        const Candidate& entry = all[i];
        const int32_t level = entry.heading.Numbered() ? entry.heading.level : top;
        chapters.push_back({entry.offset, std::clamp(level - top + 1, 1, 3),
                            std::u16string(text.substr(entry.titleBegin, entry.titleLength))});
    }
    return chapters;
}

}  // namespace sorna
