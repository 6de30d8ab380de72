#include "view/LineBreaker.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "view/CharClass.h"

namespace sorna {
namespace {

// The class of the run before the first character, and the class that no code unit has, for
// runs that do not grow.
constexpr auto kNoRun = static_cast<CharClass>(0);

// What closed the current line: its line feed, or a space hanging past its edge. The next run
// that is placed, and not hung, starts a new line.
constexpr uint8_t kOpen = 0;
constexpr uint8_t kByLineFeed = 1;
constexpr uint8_t kBySpace = 2;

// Runs are skipped across only while the line stays this narrow, so that adding a stop width
// to its fill cannot overflow.
constexpr int64_t kSkipCeiling = int64_t{1} << 40;
// A line feed or a NUL counts as wider than any line that is skipped across: either ends it.
constexpr int64_t kStopWidth = kSkipCeiling + 1;
// The skip limit of a font with negative widths, with which no run is skipped across.
constexpr int64_t kNoSkip = std::numeric_limits<int64_t>::min();

struct CodeUnit {
    int32_t width;
    CharClass charClass;
    CharClass growingClass;  // its class when its runs grow, kNoRun for runs of one code unit
};

// Width and class looked up together, without a branch: one entry for every code unit.
class CodeUnitTable {
public:
    explicit CodeUnitTable(const CharMetrics& metrics) : entries_(kSize), skipWidths_(kSize) {
        for (size_t i = 0; i < kSize; ++i) {
            const auto c = char16_t(i);
            const CharClass m = ClassifyChar(c);
            const bool grows =
                m == CharClass::Letter || m == CharClass::BreakMark || m == CharClass::End;
            const bool stops = m == CharClass::LineFeed || m == CharClass::End;
            entries_[i] = {metrics.Width(c), m, grows ? m : kNoRun};
            skipWidths_[i] = stops ? kStopWidth : metrics.Width(c);
            widthsNonNegative_ = widthsNonNegative_ && metrics.Width(c) >= 0;
        }
    }
    const CodeUnit& operator[](char16_t c) const { return entries_[c]; }
    int64_t SkipWidth(char16_t c) const { return skipWidths_[c]; }
    // With a negative width a line's fill can shrink again, so a run may fit after one that
    // did not, and fitting is no longer decided by where the fill first passes the edge.
    bool WidthsNonNegative() const { return widthsNonNegative_; }

private:
    static constexpr size_t kSize = 0x10000;

    std::vector<CodeUnit> entries_;
    std::vector<int64_t> skipWidths_;
    bool widthsNonNegative_ = true;
};

// One pass over the text, a run at a time. On an open line a run that fits is placed by adding
// its width, whatever its class, so the pass sums widths code unit by code unit across such
// runs and places by the rules only the run that does not fit, or a line feed or NUL. Runs
// never overlap and every unit of a run shares its class, so the run before offset i is known
// from the code unit at i - 1.
class LineBreaker {
public:
    LineBreaker(const char16_t* text, int32_t length, const CodeUnitTable& units,
                BreakOptions options, LineTable& lines)
        : text_(text),
          length_(length),
          units_(units),
          options_(options),
          skipLimit_(units.WidthsNonNegative() ? std::min(options.availableWidth, kSkipCeiling)
                                               : kNoSkip),
          lines_(lines) {}

    bool Run() {
        lines_.Clear();
        Append(0);
        PlaceWord(0, 0);  // the empty run before the first character
        int32_t i = 0;
        while ((i = SkipFittingRuns(i)) < limit_) {
            i = PlaceRun(i);
        }
        // The terminator ends the last run, whatever the buffer holds at `length`; after NULs
        // it is one more of them.
        if (ClassBefore(length_) != CharClass::End) {
            EndLineAtNul(length_);
        }
        Append(length_);
        return ok_;
    }

private:
    // Places the runs from `start` on that fit on the open line; returns where the first one
    // that does not fit, or the first line feed or NUL, begins.
    int32_t SkipFittingRuns(int32_t start) {
        if (closed_ != kOpen) {
            return start;
        }
        int64_t fill = lineWidth_;
        const int32_t stop = FitCodeUnits(start, fill);
        if (stop == length_) {
            lineWidth_ = fill;
            return stop;
        }
        const int32_t next = RunStart(stop);
        lineWidth_ = fill - WidthOf(next, stop);
        return next;
    }

    // Adds to `fill` the widths of the code units from `start` on while it stays within the
    // skip limit; returns the first unit that would take it past. Four units at a time: widths
    // never shrink the fill, so in a block that does not fit the units that do come first.
    int32_t FitCodeUnits(int32_t start, int64_t& fill) const {
        const char16_t* unit = text_ + start;
        const char16_t* const end = text_ + length_;
        int64_t sum = fill;
        for (; end - unit >= 4; unit += 4) {
            const int64_t next = sum + (units_.SkipWidth(unit[0]) + units_.SkipWidth(unit[1]) +
                                        units_.SkipWidth(unit[2]) + units_.SkipWidth(unit[3]));
            if (next > skipLimit_) {
                return FitWithinBlock(unit, sum, fill);
            }
            sum = next;
        }
        for (; unit != end; ++unit) {
            const int64_t next = sum + units_.SkipWidth(*unit);
            if (next > skipLimit_) {
                break;
            }
            sum = next;
        }
        fill = sum;
        return int32_t(unit - text_);
    }

    // The first of the four units from `block` on that does not fit on a line filled to `sum`;
    // `fill` becomes the sum before it.
    int32_t FitWithinBlock(const char16_t* block, int64_t sum, int64_t& fill) const {
        const int64_t first = sum + units_.SkipWidth(block[0]);
        const int64_t second = first + units_.SkipWidth(block[1]);
        const int64_t third = second + units_.SkipWidth(block[2]);
        const std::array<int64_t, 4> sums = {sum, first, second, third};
        const int fitting = (first <= skipLimit_) + (second <= skipLimit_) + (third <= skipLimit_);
        fill = sums[fitting];
        return int32_t(block - text_) + fitting;
    }

    // Where the run that holds the code unit at i begins.
    int32_t RunStart(int32_t i) const {
        const CharClass growing = units_[text_[i]].growingClass;
        if (growing != kNoRun) {
            while (i > 0 && units_[text_[i - 1]].charClass == growing) {
                --i;
            }
        }
        return i;
    }

    int64_t WidthOf(int32_t first, int32_t end) const {
        int64_t width = 0;
        for (int32_t i = first; i < end; ++i) {
            width += units_[text_[i]].width;
        }
        return width;
    }

    // The class of the run that ends before offset i; none before the first.
    CharClass ClassBefore(int32_t i) const {
        return i > 0 ? units_[text_[i - 1]].charClass : kNoRun;
    }

    // Places the run that begins at `start` by the rules; returns where the next one begins.
    int32_t PlaceRun(int32_t start) {
        const CodeUnit& unit = units_[text_[start]];
        if (ClassBefore(start) == CharClass::LineFeed) {
            if (unit.charClass == CharClass::LineFeed) {
                Append(start);  // every further line feed of a sequence is a blank line of its own
                return start + 1;
            }
            if (unit.charClass == CharClass::Space && options_.removeLineStartSpace &&
                IsSpace(start + 1)) {
                return CollapseLeadingSpaces(start + 1);
            }
        }
        if (unit.charClass == CharClass::End) {
            EndLineAtNul(start);
        }
        int32_t end = start + 1;
        int64_t width = unit.width;
        if (unit.growingClass != kNoRun) {
            for (; end < length_ && units_[text_[end]].charClass == unit.growingClass; ++end) {
                width += units_[text_[end]].width;
            }
        }
        // NULs that reach the end of the text are one run with the terminator, never placed.
        if (unit.charClass != CharClass::End || end < length_) {
            Place(start, unit.charClass, width);
        }
        return end;
    }

    bool IsSpace(int32_t i) const {
        return i < length_ && units_[text_[i]].charClass == CharClass::Space;
    }

    // A sequence of spaces right after a line feed leaves all but its last on the previous
    // line; the new line begins at the last one, which is then placed like any space.
    int32_t CollapseLeadingSpaces(int32_t second) {
        int32_t last = second;
        while (IsSpace(last + 1)) {
            ++last;
        }
        PlaceSpace(last, 0);
        return last;
    }

    // A code unit 0 ends the line it is on; the next line begins at it, as wide as the run
    // before it.
    void EndLineAtNul(int32_t i) {
        if (ClassBefore(i) != CharClass::LineFeed) {
            StartLine(i, i > 0 ? WidthOf(RunStart(i - 1), i) : 0);
        }
    }

    void Place(int32_t start, CharClass charClass, int64_t width) {
        if (charClass == CharClass::LineFeed) {
            closed_ |= kByLineFeed;  // line feeds stay at the end of the line they close
        } else if (charClass == CharClass::Space) {
            PlaceSpace(start, width);
        } else {
            PlaceWord(start, width);
        }
    }

    // A space that does not fit hangs past the edge, uncounted. Nothing but further spaces and
    // line ends may follow it on its line: a narrower run would be drawn past the edge, and
    // after a line feed it would sit behind the line end where painting never shows it.
    void PlaceSpace(int32_t start, int64_t width) {
        if (lineWidth_ + width > options_.availableWidth || (closed_ & kBySpace) != 0) {
            closed_ |= kBySpace;
        } else {
            PlaceWord(start, width);
        }
    }

    void PlaceWord(int32_t start, int64_t width) {
        if (closed_ != kOpen || lineWidth_ + width > options_.availableWidth) {
            StartLine(start, width);
        } else {
            lineWidth_ += width;
        }
    }

    void StartLine(int32_t offset, int64_t width) {
        Append(offset);
        lineWidth_ = width;
        closed_ = kOpen;
    }

    // A table that cannot grow ends the pass.
    void Append(int32_t offset) {
        if (ok_ && !lines_.Append(offset)) {
            ok_ = false;
            limit_ = 0;
        }
    }

    const char16_t* text_;
    int32_t length_;
    const CodeUnitTable& units_;
    BreakOptions options_;
    int64_t skipLimit_;
    LineTable& lines_;

    int64_t lineWidth_ = 0;
    uint8_t closed_ = kOpen;
    int32_t limit_ = length_;
    bool ok_ = true;
};

}  // namespace

bool BreakLines(const char16_t* text, int32_t length, const CharMetrics& metrics,
                BreakOptions options, LineTable& lines) {
    const CodeUnitTable units(metrics);
    return LineBreaker(text, length, units, options, lines).Run();
}

}  // namespace sorna
