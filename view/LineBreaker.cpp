#include "view/LineBreaker.h"

#include <array>

#include "view/CharClass.h"

namespace sorna {
namespace {

// The class of the pending run before the first character has been seen, and the class that
// no code unit has, for runs that do not grow.
constexpr auto kNoRun = static_cast<CharClass>(0);

// What closed the current line: its line feed, or a space hanging past its edge. The next run
// that is placed, and not hung, starts a new line.
constexpr uint8_t kOpen = 0;
constexpr uint8_t kByLineFeed = 1;
constexpr uint8_t kBySpace = 2;

struct CodeUnit {
    int32_t width;
    CharClass charClass;
    CharClass growingClass;  // its class when its runs grow, kNoRun for runs of one code unit
};

// Width and class looked up together, without a branch: one entry for every code unit up to
// U+0100 and one that stands for all above it.
class CodeUnitTable {
public:
    explicit CodeUnitTable(const CharMetrics& metrics) {
        for (char16_t c = 0; c <= 0x101; ++c) {
            const CharClass m = ClassifyChar(c);
            const bool grows =
                m == CharClass::Letter || m == CharClass::BreakMark || m == CharClass::End;
            entries_[c] = {metrics.Width(c), m, grows ? m : kNoRun};
        }
    }
    const CodeUnit& operator[](char16_t c) const { return entries_[IsWide(c) ? 0x101 : c]; }

private:
    std::array<CodeUnit, 0x102> entries_{};
};

// One pass over the text. The pending run is placed on a line when the next run begins; its
// width is summed while it grows, so every code unit is looked up once. The steps are inlined
// into the pass so that its state stays in registers.
class LineBreaker {
public:
    LineBreaker(const char16_t* text, int32_t length, const CodeUnitTable& units,
                BreakOptions options, LineTable& lines)
        : text_(text), length_(length), units_(units), options_(options), lines_(lines) {}

    bool Run() {
        lines_.Clear();
        Append(0);
        for (int32_t i = 0; i < limit_; ++i) {
            Visit(i, units_[text_[i]]);
            i = ExtendRun(i);
        }
        // The terminator ends the last run, whatever the buffer holds at `length`; after NULs
        // it is one more of them.
        if (growingClass_ != CharClass::End) {
            int32_t end = length_;
            Visit(end, units_[0]);
        }
        Append(length_);
        return ok_;
    }

private:
    // Takes in what continues the run that ends at i, in a tight loop: the rest of a word, or
    // further syllables, each placed as the next one begins. Returns the run's last index.
    [[gnu::always_inline]] int32_t ExtendRun(int32_t i) {
        if (growingClass_ != kNoRun) {
            int64_t width = runWidth_;
            while (i + 1 < length_ && units_[text_[i + 1]].charClass == growingClass_) {
                width += units_[text_[++i]].width;
            }
            runWidth_ = width;
        } else if (runClass_ == CharClass::Wide) {
            while (i + 1 < length_ && IsWide(text_[i + 1])) {
                PlaceWord(runWidth_);
                runStart_ = ++i;
            }
        }
        return i;
    }

    [[gnu::always_inline]] void Visit(int32_t& i, const CodeUnit& unit) {
        if (spaceAfterLineFeed_) {
            CollapseLeadingSpaces(i, unit);
        } else if (unit.charClass == CharClass::LineFeed && runClass_ == CharClass::LineFeed) {
            Append(i);  // every further line feed of a sequence is a blank line of its own
        } else {
            PlaceRun(i, unit.charClass, runWidth_);
            StartRun(i, unit);
        }
    }

    // The pending run is a single space right after a line feed. A longer sequence of spaces
    // leaves all but its last on the previous line; the new line begins at the last one.
    [[gnu::always_inline]] void CollapseLeadingSpaces(int32_t& i, const CodeUnit& unit) {
        if (unit.charClass != CharClass::Space) {
            PlaceRun(i, unit.charClass, runWidth_);
            StartRun(i, unit);
            return;
        }
        while (i + 1 < length_ && units_[text_[i + 1]].charClass == CharClass::Space) {
            ++i;
        }
        runStart_ = i;
        PlaceRun(i, CharClass::Space, 0);
        StartRun(i, units_[text_[i]]);
    }

    // A space that does not fit hangs past the edge, uncounted. Nothing but further spaces and
    // line ends may follow it on its line: a narrower run would be drawn past the edge, and
    // after a line feed it would sit behind the line end where painting never shows it.
    [[gnu::always_inline]] void PlaceRun(int32_t i, CharClass next, int64_t width) {
        if (runClass_ == CharClass::LineFeed) {
            closed_ |= kByLineFeed;  // line feeds stay at the end of the line they close
        } else if (runClass_ == CharClass::Space) {
            PlaceSpace(width);
        } else {
            PlaceWord(width);
        }
        // A code unit 0 ends the line it is on; the next line begins at it.
        if (next == CharClass::End && runClass_ != CharClass::LineFeed) {
            StartLine(i, width);
        }
    }

    [[gnu::always_inline]] void PlaceSpace(int64_t width) {
        if (lineWidth_ + width > options_.availableWidth || closed_ == kBySpace) {
            closed_ |= kBySpace;
        } else {
            PlaceWord(width);
        }
    }

    [[gnu::always_inline]] void PlaceWord(int64_t width) {
        if (closed_ != kOpen || lineWidth_ + width > options_.availableWidth) {
            StartLine(runStart_, width);
        } else {
            lineWidth_ += width;
        }
    }

    [[gnu::always_inline]] void StartLine(int32_t offset, int64_t width) {
        Append(offset);
        lineWidth_ = width;
        closed_ = kOpen;
    }

    [[gnu::always_inline]] void StartRun(int32_t i, const CodeUnit& unit) {
        spaceAfterLineFeed_ = options_.removeLineStartSpace && runClass_ == CharClass::LineFeed &&
                              unit.charClass == CharClass::Space;
        runClass_ = unit.charClass;
        growingClass_ = unit.growingClass;
        runStart_ = i;
        runWidth_ = unit.width;
    }

    // A table that cannot grow ends the pass.
    [[gnu::always_inline]] void Append(int32_t offset) {
        if (ok_ && !lines_.Append(offset)) {
            ok_ = false;
            limit_ = 0;
        }
    }

    const char16_t* text_;
    int32_t length_;
    const CodeUnitTable& units_;
    BreakOptions options_;
    LineTable& lines_;

    int32_t runStart_ = 0;
    CharClass runClass_ = kNoRun;
    CharClass growingClass_ = kNoRun;
    int64_t runWidth_ = 0;
    int64_t lineWidth_ = 0;
    bool spaceAfterLineFeed_ = false;
    uint8_t closed_ = kOpen;
    int32_t limit_ = length_;
    bool ok_ = true;
};

}  // namespace

bool BreakLines(const char16_t* text, int32_t length, const CharMetrics& metrics,
                BreakOptions options, LineTable& lines) {
    // Apart from the breaker, so that its state can live in registers.
    const CodeUnitTable units(metrics);
    return LineBreaker(text, length, units, options, lines).Run();
}

}  // namespace sorna
