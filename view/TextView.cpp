#include "view/TextView.h"

#include <unicode/uchar.h>

#include <algorithm>

#include "resources/ViewStrings.h"
#include "view/LineBreaker.h"
#include "view/PositionBar.h"
#include "view/Saturate.h"

namespace sorna {
namespace {

bool IsWhiteSpace(char16_t c) {
    return u_isUWhiteSpace(c);
}

}  // namespace

TextView::TextView(ViewDevice& device)
    : device_(device), font_{std::u16string(kDefaultViewFace), 15, false, false} {}

void TextView::ClearDocument() {
    document_.Clear();
    lines_.Free();
    windowStart_ = 0;
    window_.reset();
    topLine_ = 0;
    anchor_ = -1;
    found_.reset();
    layoutNeeded_ = true;
}

void TextView::SetFont(std::u16string_view faceName, int32_t size, bool rotated, bool bold) {
    FontDescription wanted{std::u16string(faceName.substr(0, FontDescription::kMaxFaceLength)),
                           size, rotated, bold};
    if (!(wanted == font_)) {
        layoutNeeded_ = true;
    }
    font_ = std::move(wanted);
}

void TextView::SetTextArea(const ViewRect& area, bool leftBar) {
    const bool wrapChanges =
        font_.rotated ? area.Height() != textArea_.Height() : area.Width() != textArea_.Width();
    if (wrapChanges) {
        layoutNeeded_ = true;
    }
    textArea_ = area;
    leftBar_ = leftBar;
}

void TextView::SetOptions(bool smooth, bool removeLineStartSpace) {
    smooth_ = smooth;
    if (removeLineStartSpace != removeLineStartSpace_) {
        layoutNeeded_ = true;
    }
    removeLineStartSpace_ = removeLineStartSpace;
}

void TextView::SetLineSpacing(int32_t pixels) {
    if (pixels != lineSpacing_) {
        layoutNeeded_ = true;
    }
    lineSpacing_ = pixels;
}

void TextView::SetReadingAids(const ReadingAids& aids) {
    if (aids.lineBreakRules != aids_.lineBreakRules || aids.joinLines != aids_.joinLines ||
        aids.columnLimit != aids_.columnLimit) {
        layoutNeeded_ = true;
    }
    aids_ = aids;
}

void TextView::MeasureChars() {
    metrics_ = device_.MeasureChars(font_);
    // Line ends take no room on their line.
    metrics_.charWidths[u'\n'] = 0;
    metrics_.charWidths[u'\r'] = 0;
    lineHeight_ = Saturate(int64_t{metrics_.wideHeight} + lineSpacing_);
}

bool TextView::Layout(ProgressText* progress) {
    if (!document_.HasDocument() || document_.length <= 0) {
        return true;
    }
    MeasureChars();
    if (!layoutNeeded_) {
        return true;
    }
    if (progress != nullptr) {
        progress->SetProgressText(kLayoutProgressText);
    }
    if (!BreakLines(document_.text.get(), document_.length, metrics_, LineOptions(), lines_)) {
        lines_.Free();
        topLine_ = 0;
        return false;
    }
    layoutNeeded_ = false;
    // A wider area gives fewer lines; keep the top line inside the new table.
    topLine_ = Clamp(topLine_);
    return true;
}

BreakOptions TextView::LineOptions() const {
    return {AvailableWidth(), removeLineStartSpace_, aids_.lineBreakRules, aids_.joinLines};
}

namespace {

// The last point after `from` where a line starts whatever came before; `from` when none is.
int32_t LastOwnLineStart(const char16_t* text, int32_t length, bool joinLines, int32_t from) {
    for (int32_t i = length - 1; i > from; --i) {
        if (StartsOwnLine(text, length, i, joinLines)) {
            return i;
        }
    }
    return from;
}

}  // namespace

bool TextView::ShowWindow(ReadingWindow window, int32_t place) {
    ClearDocument();
    DocumentText& held = window.text;
    const char16_t* text = held.text.get();
    // A line feed that the window begins with may join the line before it, which the window
    // does not hold: the first line told is one after it.
    const int32_t first = window.firstUnit == 0
                              ? 0
                              : OwnLineStartIn(text, held.length, aids_.joinLines, 2, held.length);
    const int32_t end = window.reachesEnd
                            ? held.length
                            : LastOwnLineStart(text, held.length, aids_.joinLines, first);
    if (first >= end) {
        return false;
    }
    std::copy(held.text.get() + first, held.text.get() + end, held.text.get());
    held.text[end - first] = 0;
    held.length = end - first;
    document_ = std::move(held);
    windowStart_ = window.firstUnit + first;
    window_ = WindowBounds{window.estimatedLength, window.reachesEnd};
    if (!Layout(nullptr) || !GoToOffset(place)) {
        ClearDocument();
        return false;
    }
    return true;
}

bool TextView::WindowHolds(int64_t lines) const {
    if (!window_) {
        return true;
    }
    const int64_t wanted = int64_t{topLine_} + lines;
    const bool fromStart = windowStart_ == 0 && wanted < 0;
    const bool toEnd = window_->reachesEnd && wanted >= 0;
    return (fromStart || wanted >= 0) &&
           (toEnd || wanted + LinesPerPage() < int64_t{lines_.Count()} - 1);
}

void TextView::TakeWholeDocument(DocumentText document, LineTable lines) {
    const int32_t position = ReadingPosition();
    const int32_t anchor = anchor_;
    document_ = std::move(document);
    lines_ = std::move(lines);
    windowStart_ = 0;
    window_.reset();
    // A table that had no memory is tried again at the next layout.
    layoutNeeded_ = lines_.Empty();
    topLine_ = FindLine(position).value_or(0);
    anchor_ = anchor;
    device_.Repaint();
}

std::pair<int32_t, int32_t> TextView::BarPlace() const {
    if (window_) {
        return {TopOffset(), window_->estimatedLength + 1};
    }
    return {topLine_, lines_.Count()};
}

int64_t TextView::AreaWidth() const {
    return font_.rotated ? textArea_.Height() : textArea_.Width() - kScrollBarWidth;
}

int64_t TextView::AvailableWidth() const {
    if (aids_.columnLimit <= 0) {
        return AreaWidth();
    }
    return std::min(AreaWidth(), int64_t{aids_.columnLimit} * metrics_.wideWidth);
}

int32_t TextView::ColumnInset() const {
    return Saturate((AreaWidth() - AvailableWidth()) / 2);
}

std::u16string_view TextView::LineChars(int32_t n) const {
    if (n < 0 || n >= lines_.Count() - 1) {
        return {};
    }
    return {document_.text.get() + lines_[n], size_t(lines_[n + 1] - lines_[n])};
}

bool TextView::JoinsAt(int32_t i) const {
    return aids_.joinLines && document_.text[i] == u'\n' &&
           JoinsLineFeed(document_.text.get(), document_.length, i);
}

Justification TextView::JustificationOf(int32_t n) const {
    const std::u16string_view line = LineChars(n);
    if (!aids_.justify || line.empty() || n + 2 >= lines_.Count()) {
        return {};
    }
    const bool endsParagraph =
        (line.back() == u'\n' && !JoinsAt(lines_[n + 1] - 1)) || line.back() == u'\r';
    return endsParagraph ? Justification{} : Justify(ShownText(n), metrics_, AvailableWidth());
}

std::u16string TextView::ShownText(int32_t n) const {
    const std::u16string_view line = LineChars(n);
    std::u16string text;
    for (size_t from = 0;;) {
        const size_t end = line.find_first_of(u"\r\n", from);
        text.append(line.substr(from, end - from));
        if (end == std::u16string_view::npos) {
            return text;
        }
        const size_t feed = line.substr(end, 2) == u"\r\n" ? end + 1 : end;
        if (!JoinsAt(lines_[n] + int32_t(feed))) {
            return text;
        }
        text += u' ';
        from = feed + 1;
    }
}

std::u16string TextView::LineText(int32_t n) const {
    const std::u16string shown = ShownText(n);
    std::u16string_view line = shown;
    while (!line.empty() && IsWhiteSpace(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && IsWhiteSpace(line.back())) {
        line.remove_suffix(1);
    }
    return std::u16string(line);
}

int32_t TextView::LinesPerPage() const {
    const int64_t extent = font_.rotated ? textArea_.Width() : textArea_.Height();
    if (lineHeight_ <= 0 || extent <= 0) {
        return 0;
    }
    return Saturate(extent / lineHeight_);
}

int32_t TextView::PageStep() const {
    return sorna::PageStep(LinesPerPage(), shareLines_);
}

PageNumbers TextView::Pages() const {
    return CountPages(topLine_, std::max(lines_.Count() - 1, 0), LinesPerPage(), PageStep());
}

bool TextView::GoToPage(int32_t page) {
    return SetTopLine(
        PageTopLine(page, std::max(lines_.Count() - 1, 0), LinesPerPage(), PageStep()));
}

int32_t TextView::RowAt(int32_t x, int32_t y) const {
    if (lineHeight_ <= 0) {
        return -1;
    }
    const int64_t along = font_.rotated ? int64_t{x} - textArea_.left : int64_t{y} - textArea_.top;
    return Saturate(along / lineHeight_);
}

int32_t TextView::Clamp(int64_t wanted) const {
    const int32_t last = lines_.Count() - 1;
    if (last < 0 || wanted <= 0) {
        return 0;
    }
    return int32_t(std::min<int64_t>(wanted, last));
}

bool TextView::SetTopLine(int32_t n) {
    if (n < 0 || n >= lines_.Count()) {
        return false;
    }
    topLine_ = n;
    anchor_ = -1;
    found_.reset();
    device_.Repaint();
    return true;
}

void TextView::ScrollLines(int32_t n) {
    anchor_ = -1;
    found_.reset();
    if (smooth_) {
        SmoothScroll(n);
        return;
    }
    topLine_ = Clamp(int64_t{topLine_} + n);
    device_.Repaint();
}

// One repaint per single-line step, as fast as painting allows; the step that the clamp holds
// back ends the scroll without painting.
void TextView::SmoothScroll(int32_t n) {
    const int32_t step = n > 0 ? 1 : -1;
    const int64_t steps = n > 0 ? int64_t{n} : -int64_t{n};
    for (int64_t k = 0; k < steps; ++k) {
        const int64_t wanted = int64_t{topLine_} + step;
        topLine_ = Clamp(wanted);
        if (topLine_ != wanted) {
            return;
        }
        device_.Repaint();
    }
}

int32_t TextView::TopOffset() const {
    return lines_.Empty() ? -1 : windowStart_ + lines_[topLine_];
}

std::optional<int32_t> TextView::FindLine(int32_t wholeOffset) const {
    const int64_t local = int64_t{wholeOffset} - windowStart_;
    if (window_ && (local < 0 || local > document_.length)) {
        return std::nullopt;
    }
    const auto offset = static_cast<int32_t>(local);
    if (offset <= 0) {
        return 0;
    }
    if (offset > document_.length) {
        return std::nullopt;
    }
    if (lines_.Count() < 2) {
        return 0;
    }
    const auto starts = lines_.Entries().first(size_t(lines_.Count() - 1));
    const auto after = std::upper_bound(starts.begin(), starts.end(), offset);
    return int32_t(after - starts.begin()) - 1;
}

bool TextView::GoToOffset(int32_t offset) {
    if (offset < 0) {
        return false;
    }
    const std::optional<int32_t> line = FindLine(offset);
    if (!line || !SetTopLine(*line)) {
        return false;
    }
    anchor_ = offset;
    return true;
}

void TextView::JumpToBar(int32_t y) {
    const int64_t height = textArea_.Height();
    if (height <= 0) {
        return;  // no bar to tap on
    }
    topLine_ = Clamp((int64_t{y} - textArea_.top) * lines_.Count() / height);
    anchor_ = -1;
    found_.reset();
    device_.Repaint();
}

WordHit TextView::WordAt(int32_t x, int32_t y) const {
    const int32_t row = RowAt(x, y);
    if (row < 0 || row >= LinesPerPage() || int64_t{topLine_} + row + 1 >= lines_.Count()) {
        return {};
    }
    const int64_t position =
        (font_.rotated ? int64_t{textArea_.bottom} - y : int64_t{x} - textArea_.left) -
        ColumnInset();
    return PickWord(ShownText(topLine_ + row), position, metrics_, JustificationOf(topLine_ + row));
}

std::optional<int32_t> TextView::CountLetters() const {
    const int32_t perPage = LinesPerPage();
    if (lines_.Empty() || perPage < 1) {
        return std::nullopt;
    }
    const int64_t bottom = int64_t{topLine_} + perPage - 1;
    if (bottom >= lines_.Count() - 1) {
        return std::nullopt;
    }
    const std::u16string_view line = LineChars(int32_t(bottom));
    return int32_t(std::count_if(line.begin(), line.end(), [](char16_t c) {
        const CharClass charClass = ClassifyChar(c);
        return charClass == CharClass::Letter || charClass == CharClass::Wide;
    }));
}

std::u16string_view TextView::Text() const {
    return {document_.text.get(), size_t(document_.length)};
}

bool TextView::FindNext(const TextSearch& search) {
    found_.reset();
    if (topLine_ >= lines_.Count() - 1) {
        return false;
    }
    const std::optional<TextSpan> hit = search.Next(Text(), size_t(lines_[topLine_ + 1]));
    return hit && ShowFound(*hit);
}

bool TextView::FindPrevious(const TextSearch& search) {
    found_.reset();
    if (lines_.Empty()) {
        return false;
    }
    const std::optional<TextSpan> hit = search.Previous(Text(), size_t(lines_[topLine_]));
    return hit && ShowFound(*hit);
}

bool TextView::ShowFound(TextSpan found) {
    if (!GoToOffset(found.offset)) {
        return false;
    }
    // Painted again with the occurrence marked: going to it painted the page without.
    found_ = found;
    device_.Repaint();
    return true;
}

}  // namespace sorna
