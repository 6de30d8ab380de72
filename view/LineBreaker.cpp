#include "view/LineBreaker.h"

#include "view/CharClass.h"

namespace sorna {
namespace {

// The class of the pending run before the first character has been seen.
constexpr auto kNoRun = static_cast<CharClass>(0);

// One pass over the text. The pending run is placed on a line when the next run begins; its
// width is summed while it grows, so every code unit is looked up once.
class LineBreaker {
public:
    LineBreaker(const char16_t* text, int32_t length, const CharMetrics& metrics,
                BreakOptions options, LineTable& lines)
        : text_(text), length_(length), metrics_(metrics), options_(options), lines_(lines) {}

    bool Run() {
        lines_.Clear();
        Append(0);
        for (int32_t i = 0; i < length_ && ok_; ++i) {
            Visit(i, text_[i]);
        }
        // The terminator ends the last run, whatever the buffer holds at `length`.
        int32_t end = length_;
        Visit(end, 0);
        Append(length_);
        return ok_;
    }

private:
    void Visit(int32_t& i, char16_t c) {
        const CharClass m = ClassifyChar(c);
        if (spaceAfterLineFeed_) {
            CollapseLeadingSpaces(i, c, m);
            return;
        }
        if (m == runClass_ && m != CharClass::Wide && m != CharClass::Space) {
            // Every further line feed of a sequence is a blank line of its own.
            if (m == CharClass::LineFeed) {
                Append(i);
            }
            runWidth_ += metrics_.Width(c);
            return;
        }
        PlaceRun(i, m, runWidth_);
        StartRun(i, c, m);
    }

    // The pending run is a single space right after a line feed. A longer sequence of spaces
    // leaves all but its last on the previous line; the new line begins at the last one.
    void CollapseLeadingSpaces(int32_t& i, char16_t c, CharClass m) {
        int64_t width = runWidth_;
        if (m == CharClass::Space) {
            while (i + 1 < length_ && ClassifyChar(text_[i + 1]) == CharClass::Space) {
                ++i;
            }
            c = text_[i];
            runStart_ = i;
            width = 0;
        }
        PlaceRun(i, m, width);
        StartRun(i, c, m);
    }

    // A space that does not fit hangs past the edge, uncounted. Nothing but further spaces and
    // line ends may follow it on its line: a narrower run would be drawn past the edge, and
    // after a line feed it would sit behind the line end where painting never shows it.
    void PlaceRun(int32_t i, CharClass m, int64_t width) {
        const bool overflows = lineWidth_ + width > options_.availableWidth;
        if (runClass_ == CharClass::LineFeed) {
            lineFeedPending_ = true;  // line feeds stay at the end of the line they close
        } else if (runClass_ == CharClass::Space &&
                   (overflows || (spaceHung_ && !lineFeedPending_))) {
            spaceHung_ = true;
        } else if (lineFeedPending_ || spaceHung_ || overflows) {
            StartLine(runStart_, width);
        } else {
            lineWidth_ += width;
        }
        // A code unit 0 ends the line it is on; the next line begins at it.
        if (m == CharClass::End && runClass_ != CharClass::LineFeed) {
            StartLine(i, width);
        }
    }

    void StartLine(int32_t offset, int64_t width) {
        Append(offset);
        lineWidth_ = width;
        lineFeedPending_ = false;
        spaceHung_ = false;
    }

    void StartRun(int32_t i, char16_t c, CharClass m) {
        classBefore_ = runClass_;
        runClass_ = m;
        runStart_ = i;
        runWidth_ = metrics_.Width(c);
        spaceAfterLineFeed_ = options_.removeLineStartSpace &&
                              classBefore_ == CharClass::LineFeed && m == CharClass::Space;
    }

    void Append(int32_t offset) { ok_ = ok_ && lines_.Append(offset); }

    const char16_t* text_;
    int32_t length_;
    const CharMetrics& metrics_;
    BreakOptions options_;
    LineTable& lines_;

    int32_t runStart_ = 0;
    CharClass runClass_ = kNoRun;
    CharClass classBefore_ = kNoRun;
    int64_t runWidth_ = 0;
    int64_t lineWidth_ = 0;
    bool spaceAfterLineFeed_ = false;
    bool lineFeedPending_ = false;  // the line is closed; the next run that is placed starts one
    bool spaceHung_ = false;
    bool ok_ = true;
};

}  // namespace

bool BreakLines(const char16_t* text, int32_t length, const CharMetrics& metrics,
                BreakOptions options, LineTable& lines) {
    return LineBreaker(text, length, metrics, options, lines).Run();
}

}  // namespace sorna
