#include "view/LineBreaker.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

#include "platform/ParallelParts.h"
#include "view/CharClass.h"

namespace sorna {
namespace {

// The class of the run before the first character, and the class that no code unit has, for
// runs that do not grow.
constexpr auto kNoRun = static_cast<CharClass>(0);

// What closed the current line: its line feed, or something hanging past its edge (spaces, and
// with the line-breaking rules closing marks). The next run that is placed, and not hung,
// starts a new line.
constexpr uint8_t kOpen = 0;
constexpr uint8_t kByLineFeed = 1;
constexpr uint8_t kByHanging = 2;

// What a code unit is to the line-breaking rules.
constexpr uint8_t kNoMark = 0;
constexpr uint8_t kClosing = 1;  // never starts a line; hangs past the edge instead
constexpr uint8_t kOpening = 2;  // never ends a line; goes to the next with what follows it

constexpr std::u16string_view kClosingMarks =
    u".,!?:;\u2019\u201D)]}\u300D\u300F\u3009\u300B\u3011\u3015\u2026\u2025"
    u"\uFF01\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF09\uFF3D\uFF5D\u3002\u3001";
constexpr std::u16string_view kOpeningMarks =
    u"\u2018\u201C([{\u300C\u300E\u3008\u300A\u3010\u3014\uFF08\uFF3B\uFF5B";

// Runs are skipped across only while the line stays this narrow, so that adding a stop width
// to its fill cannot overflow.
constexpr int64_t kSkipCeiling = int64_t{1} << 40;
// Code units laid out between two looks at a stop request: about a millisecond's work.
constexpr int32_t kUnitsBetweenStopLooks = 1 << 20;

// A line feed or a NUL counts as wider than any line that is skipped across: either ends it.
constexpr int64_t kStopWidth = kSkipCeiling + 1;
// The skip limit of a font with negative widths, with which no run is skipped across.
constexpr int64_t kNoSkip = std::numeric_limits<int64_t>::min();

struct CodeUnit {
    int32_t width;
    CharClass charClass;
    CharClass growingClass;  // its class when its runs grow, kNoRun for runs of one code unit
    uint8_t mark;            // kNoMark unless the line-breaking rules are on
};

// Width and class looked up together, without a branch: one entry for every code unit.
class CodeUnitTable {
public:
    CodeUnitTable(const CharMetrics& metrics, bool lineBreakRules)
        : entries_(kSize), skipWidths_(kSize) {
        for (size_t i = 0; i < kSize; ++i) {
            const auto c = char16_t(i);
            const CharClass m = ClassifyChar(c);
            const bool grows =
                m == CharClass::Letter || m == CharClass::BreakMark || m == CharClass::End;
            const bool stops = m == CharClass::LineFeed || m == CharClass::End;
            entries_[i] = {metrics.Width(c), m, grows ? m : kNoRun, kNoMark};
            skipWidths_[i] = stops ? kStopWidth : metrics.Width(c);
            widthsNonNegative_ = widthsNonNegative_ && metrics.Width(c) >= 0;
        }
        if (lineBreakRules) {
            Mark(kClosingMarks, kClosing);
            Mark(kOpeningMarks, kOpening);
        }
    }
    const CodeUnit& operator[](char16_t c) const { return entries_[c]; }
    int64_t SkipWidth(char16_t c) const { return skipWidths_[c]; }
    // With a negative width a line's fill can shrink again, so a run may fit after one that
    // did not, and fitting is no longer decided by where the fill first passes the edge.
    bool WidthsNonNegative() const { return widthsNonNegative_; }

private:
    static constexpr size_t kSize = 0x10000;

    void Mark(std::u16string_view marks, uint8_t mark) {
        for (char16_t c : marks) {
            entries_[c].mark = mark;
        }
    }

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
                BreakOptions options, int64_t hangingRoom, LineTable& lines, std::stop_token stop)
        : text_(text),
          length_(length),
          units_(units),
          options_(options),
          skipLimit_(units.WidthsNonNegative() ? std::min(options.availableWidth, kSkipCeiling)
                                               : kNoSkip),
          hangingLimit_(options.availableWidth + hangingRoom),
          lines_(lines),
          stop_(std::move(stop)) {}

    // Breaks the part [from, to) of the text into `lines`: from the start, or from a point where
    // a line starts whatever came before (see StartsOwnLine), up to the end or such a point.
    // Only the part that reaches the end closes the table with the length.
    bool Run(int32_t from, int32_t to) {
        lines_.Clear();
        limit_ = to;
        if (from == 0) {
            Append(0);
            PlaceWord(0, 0);  // the empty run before the first character
        } else {
            closed_ = kByLineFeed;  // as the line feed before `from` left it
        }
        int32_t i = from;
        for (int32_t nextLook = i; (i = SkipFittingRuns(i)) < limit_;) {
            i = PlaceRun(i);
            if (i >= nextLook) {
                LookForStop();
                nextLook = i + kUnitsBetweenStopLooks;
            }
        }
        if (to == length_) {
            // The terminator ends the last run, whatever the buffer holds at `length`; after
            // NULs it is one more of them.
            if (ClassBefore(length_) != CharClass::End) {
                EndLineAtNul(length_);
            }
            Append(length_);
        }
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
            PlaceLineFeed(start);
        } else if (charClass == CharClass::Space) {
            PlaceSpace(start, width);
        } else {
            PlaceWord(start, width);
        }
    }

    // Line feeds stay at the end of the line they close; one that joins two lines of a
    // paragraph is laid out as a space.
    void PlaceLineFeed(int32_t i) {
        if (options_.joinLines && JoinsLineFeed(text_, length_, i)) {
            PlaceSpace(i, units_[u' '].width);
        } else {
            // What hung past the edge stays on the line the line feed ends.
            closed_ = kByLineFeed;
        }
    }

    // A space that does not fit hangs past the edge. Nothing but further spaces and line ends,
    // and by the rules closing marks, may follow it on its line: a narrower run would be drawn
    // past the edge, and after a line feed it would sit behind the line end where painting
    // never shows it.
    void PlaceSpace(int32_t start, int64_t width) {
        if (lineWidth_ + width > options_.availableWidth || (closed_ & kByHanging) != 0) {
            Hang(width);
        } else {
            PlaceWord(start, width);
        }
    }

    void PlaceWord(int32_t start, int64_t width) {
        if (closed_ == kOpen && lineWidth_ + width <= options_.availableWidth) {
            lineWidth_ += width;
        } else if (options_.lineBreakRules) {
            PlaceByRules(start, width);
        } else {
            StartLine(start, width);
        }
    }

    // A run that does not fit on the current line, or follows what closed it.
    void PlaceByRules(int32_t start, int64_t width) {
        if (Hangs(start, width)) {
            Hang(width);
            return;
        }
        const int32_t from = (closed_ & kByLineFeed) == 0 ? BreakBefore(start) : start;
        StartLine(from, WidthOf(from, start) + width);
    }

    // A closing mark that does not fit hangs past the edge as far as the room allows, unless a
    // line feed closed its line or it would hang alone.
    bool Hangs(int32_t start, int64_t width) const {
        return units_[text_[start]].mark == kClosing && (closed_ & kByLineFeed) == 0 &&
               start > lineStart_ && lineWidth_ + hungWidth_ + width <= hangingLimit_;
    }

    void Hang(int64_t width) {
        closed_ |= kByHanging;
        hungWidth_ += width;
    }

    // Where a line that would start at `start` starts by the rules: before the nearest run of
    // the current line that is no space, joined line feed or closing mark and follows no opening
    // mark; at `start` when no run of the line is.
    int32_t BreakBefore(int32_t start) const {
        for (int32_t at = start; at > lineStart_; at = RunStart(at - 1)) {
            if (MayStartLine(at)) {
                return at;
            }
        }
        return start;
    }

    bool MayStartLine(int32_t at) const {
        if (IsBlank(at) || units_[text_[at]].mark == kClosing) {
            return false;
        }
        int32_t before = at - 1;
        while (before > lineStart_ && IsBlank(before)) {
            --before;
        }
        return units_[text_[before]].mark != kOpening;
    }

    // Inside a line every line feed is a joined one.
    bool IsBlank(int32_t i) const {
        const CharClass charClass = units_[text_[i]].charClass;
        return charClass == CharClass::Space || charClass == CharClass::LineFeed;
    }

    void StartLine(int32_t offset, int64_t width) {
        Append(offset);
        lineWidth_ = width;
        hungWidth_ = 0;
        closed_ = kOpen;
    }

    // A stop request ends the pass as a table that cannot grow does.
    void LookForStop() {
        if (stop_.stop_requested()) {
            ok_ = false;
            limit_ = 0;
        }
    }

    // A table that cannot grow ends the pass.
    void Append(int32_t offset) {
        lineStart_ = offset;
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
    int64_t hangingLimit_;  // how wide a line may grow with closing marks hanging past the edge
    LineTable& lines_;
    std::stop_token stop_;

    int64_t lineWidth_ = 0;  // of what the line holds within the edge
    int64_t hungWidth_ = 0;  // of what hangs past it
    uint8_t closed_ = kOpen;
    int32_t lineStart_ = 0;
    int32_t limit_ = 0;  // where the part ends; 0 once the table ran out of memory
    bool ok_ = true;
};

bool StartsText(CharClass charClass) {
    return charClass == CharClass::Letter || charClass == CharClass::Wide ||
           charClass == CharClass::BreakMark;
}

}  // namespace

bool StartsOwnLine(const char16_t* text, int32_t length, int32_t i, bool joinLines) {
    return text[i - 1] == u'\n' && StartsText(ClassifyChar(text[i])) &&
           !(joinLines && JoinsLineFeed(text, length, i - 1));
}

int32_t OwnLineStartIn(const char16_t* text, int32_t length, bool joinLines, int32_t from,
                       int32_t end) {
    const std::u16string_view view(text, size_t(length));
    for (size_t feed = view.find(u'\n', size_t(from));
         feed != std::u16string_view::npos && int32_t(feed) + 1 < end;
         feed = view.find(u'\n', feed + 1)) {
        if (StartsOwnLine(text, length, int32_t(feed) + 1, joinLines)) {
            return int32_t(feed) + 1;
        }
    }
    return end;
}

bool BreakLines(const char16_t* text, int32_t length, const CharMetrics& metrics,
                BreakOptions options, LineTable& lines, Parting parting, std::stop_token stop) {
    const CodeUnitTable units(metrics, options.lineBreakRules);
    const std::vector<int32_t> bounds =
        PartBounds(length, parting.PartsFor(length), [&](int32_t from, int32_t end) {
            return OwnLineStartIn(text, length, options.joinLines, from, end);
        });
    const size_t parts = bounds.size() - 1;
    std::vector<LineTable> laterLines(parts - 1);
    std::vector<uint8_t> broken(parts);
    RunParts(parts, [&](size_t part) {
        LineTable& table = part == 0 ? lines : laterLines[part - 1];
        LineBreaker breaker(text, length, units, options, HangingRoom(metrics), table, stop);
        broken[part] = breaker.Run(bounds[part], bounds[part + 1]);
    });
    for (size_t part = 0; part < parts; ++part) {
        if (!broken[part] || (part > 0 && !lines.AppendAll(laterLines[part - 1].Entries()))) {
            return false;
        }
    }
    return true;
}

bool JoinsLineFeed(const char16_t* text, int32_t length, int32_t i) {
    if (i + 1 >= length || text[i + 1] == u'\u3000' || !StartsText(ClassifyChar(text[i + 1]))) {
        return false;
    }
    const int32_t before = i > 0 && text[i - 1] == u'\r' ? i - 2 : i - 1;
    return before >= 0 && text[before] != u'\n' && text[before] != 0;
}

}  // namespace sorna
