#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "document/DocumentText.h"
#include "document/ProgressText.h"
#include "document/ReadingWindow.h"
#include "view/CharMetrics.h"
#include "view/FontDescription.h"
#include "view/Justification.h"
#include "view/LineBreaker.h"
#include "view/LineTable.h"
#include "view/PageColours.h"
#include "view/PageNumbers.h"
#include "view/TextSearch.h"
#include "view/TextSpan.h"
#include "view/ViewDevice.h"
#include "view/ViewRect.h"
#include "view/WordPick.h"

namespace sorna {

// What a reader may turn on to read more comfortably; all off by default.
struct ReadingAids {
    bool lineBreakRules = false;  // Korean line-breaking rules
    bool joinLines = false;       // hard-wrapped lines joined into their paragraphs
    int32_t columnLimit = 0;      // the widest text column in wide characters; 0 for none
    bool showPercent = false;     // the percentage read under the text area
    bool justify = false;         // wrapped lines stretched to the text area's width

    bool operator==(const ReadingAids&) const = default;
};

// The document as display lines: its text, the line table laid out for the current font and
// text area, and the top line shown. Painting and measuring go through the device, which must
// outlive the view.
class TextView {
public:
    explicit TextView(ViewDevice& device);

    // The document. The loader fills it after ClearDocument; Layout then breaks it into lines.
    DocumentText& Document() { return document_; }
    const DocumentText& Document() const { return document_; }
    void ClearDocument();

    // What the wrapping depends on; each setter marks a new layout as needed when it changes.
    void SetFont(std::u16string_view faceName, int32_t size, bool rotated, bool bold);
    void SetTextArea(const ViewRect& area, bool leftBar);
    void SetColors(const PageColours& colours) { colours_ = colours; }
    void SetOptions(bool smooth, bool removeLineStartSpace);
    void SetLineSpacing(int32_t pixels);
    // Lines a page shares with the next one as the page step moves.
    void SetShareLines(int32_t lines) { shareLines_ = lines; }
    void SetReadingAids(const ReadingAids& aids);
    [[nodiscard]] bool LayoutNeeded() const { return layoutNeeded_; }

    // Measures the font and, when needed, breaks the whole text into lines. Nothing happens
    // without a document. False when the line table ran out of memory: it is then left empty.
    [[nodiscard]] bool Layout(ProgressText* progress);
    // How the lines are broken for the font measured last and the current settings.
    BreakOptions LineOptions() const;

    // A window of a long document, held until the whole is read: cut to the lines that start
    // within it whatever comes before and after (those lay out as in the whole text), measured,
    // laid out and gone to `place`. Offsets in and out of the view stay the whole text's. False,
    // holding nothing, when the place is not among those lines or the table ran out of memory.
    [[nodiscard]] bool ShowWindow(ReadingWindow window, int32_t place);
    [[nodiscard]] bool ShowsWindow() const { return window_.has_value(); }
    // Whether the window holds the lines `lines` away from the top line, and a page after them.
    [[nodiscard]] bool WindowHolds(int64_t lines) const;
    // The whole document in the window's place, its lines broken with LineOptions() (an empty
    // table leaves a layout needed); the top line becomes the one holding the reading position.
    void TakeWholeDocument(DocumentText document, LineTable lines);
    // The text's length: while a window is held, estimated from its bytes.
    int32_t TextLength() const { return window_ ? window_->estimatedLength : document_.length; }

    const FontDescription& Font() const { return font_; }
    const ViewRect& TextArea() const { return textArea_; }
    [[nodiscard]] bool LeftBar() const { return leftBar_; }
    const PageColours& Colours() const { return colours_; }
    int32_t LineHeight() const { return lineHeight_; }
    const CharMetrics& Metrics() const { return metrics_; }
    const ReadingAids& Aids() const { return aids_; }
    // Where rows start across the text area: the column is centred when its width is limited.
    int32_t ColumnInset() const;
    // The occurrence the last find brought to the top, until the page moves.
    const std::optional<TextSpan>& FoundText() const { return found_; }
    const LineTable& Lines() const { return lines_; }

    // The characters of display line n, its line end included; empty when there is no such line.
    std::u16string_view LineChars(int32_t n) const;
    // Display line n as a page shows it: up to its line end or a carriage return, after which
    // nothing shows, but for line ends that join two lines of a paragraph, each shown as a space.
    std::u16string ShownText(int32_t n) const;
    // That without the white space at its ends; empty when there is no such line.
    std::u16string LineText(int32_t n) const;
    // Whether text[i] is a line feed that joins two lines of a paragraph.
    bool JoinsAt(int32_t i) const;
    // How display line n is stretched to its row: only while justifying, and only a line that
    // ends by wrapping, not at a paragraph's end or the text's.
    Justification JustificationOf(int32_t n) const;

    // Top line and reading position. Every change of the top line is painted at once.
    int32_t TopLine() const { return topLine_; }
    int32_t LinesPerPage() const;
    // The position bar's place: the first line shown of the table's entries; while a window is
    // held, the top line's offset of the text's estimated length.
    std::pair<int32_t, int32_t> BarPlace() const;
    // Lines a page step moves, and the pages of the layout counted by that step.
    int32_t PageStep() const;
    PageNumbers Pages() const;
    bool GoToPage(int32_t page);
    int32_t RowAt(int32_t x, int32_t y) const;  // -1 when no row can be told
    bool SetTopLine(int32_t n);
    void ScrollLines(int32_t n);
    int32_t TopOffset() const;  // -1 when nothing is laid out
    // What a new layout keeps in view: the offset last gone to, until the page is scrolled;
    // then the top line's offset. So layouts at any widths come back to the same line.
    int32_t ReadingPosition() const { return anchor_ >= 0 ? anchor_ : TopOffset(); }
    std::optional<int32_t> FindLine(int32_t offset) const;
    bool GoToOffset(int32_t offset);
    void JumpToBar(int32_t y);
    WordHit WordAt(int32_t x, int32_t y) const;
    std::optional<int32_t> CountLetters() const;  // none when the page shows the end

    // Finds the search from the start of the line after the top line to the end of the text,
    // or backward from the start of the top line to the beginning, and shows the occurrence.
    bool FindNext(const TextSearch& search);
    bool FindPrevious(const TextSearch& search);
    // Makes the line holding the occurrence the top line and marks it until the page moves.
    bool ShowFound(TextSpan found);
    // The whole text, terminator not included.
    std::u16string_view Text() const;

private:
    void MeasureChars();
    int64_t AvailableWidth() const;
    int64_t AreaWidth() const;
    int32_t Clamp(int64_t wanted) const;
    void SmoothScroll(int32_t n);

    ViewDevice& device_;
    DocumentText document_;
    LineTable lines_;
    FontDescription font_;
    CharMetrics metrics_;
    ViewRect textArea_{0, 0, 240, 320};
    bool leftBar_ = false;
    PageColours colours_;
    int32_t lineSpacing_ = 4;
    int32_t shareLines_ = 0;
    int32_t lineHeight_ = 0;
    bool removeLineStartSpace_ = true;
    bool smooth_ = false;
    bool layoutNeeded_ = true;
    int32_t topLine_ = 0;
    int32_t anchor_ = -1;  // the offset GoToOffset was given; -1 once the page moved otherwise
    // While a window is held: the whole text's estimated length, and whether it ends the text.
    struct WindowBounds {
        int32_t estimatedLength = 0;
        bool reachesEnd = false;
    };
    int32_t windowStart_ = 0;  // the whole text's offset of the text held
    std::optional<WindowBounds> window_;
    ReadingAids aids_;
    std::optional<TextSpan> found_;
};

}  // namespace sorna
