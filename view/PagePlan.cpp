#include "view/PagePlan.h"

#include <algorithm>

#include "resources/ViewStrings.h"
#include "view/LineBreaker.h"
#include "view/PageFooter.h"
#include "view/PositionBar.h"
#include "view/Saturate.h"
#include "view/TextView.h"

namespace sorna {
namespace {

// The text area less the position bar's side; rotated strips stand side by side in it. With
// the line-breaking rules a row reaches as far past the edge as closing marks may hang.
ViewRect RowRect(const TextView& view, int32_t row) {
    const ViewRect& area = view.TextArea();
    const int64_t height = view.LineHeight();
    const int32_t barLeft = view.LeftBar() ? kScrollBarWidth : 0;
    const int32_t inset = view.ColumnInset();
    const int64_t hanging = view.Aids().lineBreakRules ? HangingRoom(view.Metrics()) : 0;
    if (view.Font().rotated) {
        const int32_t left = Saturate(int64_t{area.left} + barLeft + row * height);
        return {left, Saturate(int64_t{area.top} + inset - hanging), Saturate(left + height),
                area.bottom - inset};
    }
    const int32_t barRight = view.LeftBar() ? 0 : kScrollBarWidth;
    return {area.left + barLeft + inset, Saturate(area.top + row * height),
            Saturate(int64_t{area.right} - barRight - inset + hanging),
            Saturate(area.top + (row + 1) * height)};
}

// Where the character at `offset` is drawn along its row, which starts at `lineStart`, as laid
// out: a line feed that joins two lines is a space; and a justified row moves each character on
// by the room it spreads before it.
int64_t DrawnPosition(const TextView& view, int32_t lineStart, int32_t offset,
                      const Justification& justification) {
    int64_t width = 0;
    size_t spaces = 0;
    for (int32_t i = lineStart; i < offset; ++i) {
        const char16_t shown = view.JoinsAt(i) ? u' ' : view.Document().text[i];
        width += view.Metrics().Width(shown);
        spaces += shown == u' ';
    }
    return width + int64_t(justification.Shift(size_t(offset - lineStart), spaces));
}

// The part of each row's line that the occurrence covers, as far along the row as it is drawn.
std::vector<PageHighlight> PlanHighlights(const TextView& view, const std::vector<PageRow>& rows) {
    std::vector<PageHighlight> highlights;
    const std::optional<TextSpan>& found = view.FoundText();
    if (!found) {
        return highlights;
    }
    for (size_t row = 0; row < rows.size(); ++row) {
        const int32_t line = view.TopLine() + int32_t(row);
        const int32_t from = std::max(view.Lines()[line], found->offset);
        const int32_t to = std::min(view.Lines()[line + 1], found->offset + found->length);
        if (from >= to) {
            continue;
        }
        const int32_t lineStart = view.Lines()[line];
        const Justification& justification = rows[row].justification;
        const int64_t start = DrawnPosition(view, lineStart, from, justification);
        const int64_t end = DrawnPosition(view, lineStart, to, justification);
        const ViewRect& rect = rows[row].rect;
        const ViewRect covered = view.Font().rotated
                                     ? ViewRect{rect.left, Saturate(rect.bottom - end), rect.right,
                                                Saturate(rect.bottom - start)}
                                     : ViewRect{Saturate(rect.left + start), rect.top,
                                                Saturate(rect.left + end), rect.bottom};
        highlights.push_back({covered, row});
    }
    return highlights;
}

// As many lines as the page holds, never the closing entry of the table.
std::vector<PageRow> PlanRows(const TextView& view) {
    const int32_t first = view.TopLine();
    const int64_t end =
        std::min<int64_t>(int64_t{first} + view.LinesPerPage(), view.Lines().Count() - 1);
    std::vector<PageRow> rows;
    for (int32_t row = 0; first + row < end; ++row) {
        rows.push_back(
            {RowRect(view, row), view.ShownText(first + row), view.JustificationOf(first + row)});
    }
    return rows;
}

std::vector<PageFill> PlanPositionBar(const TextView& view, int32_t clientWidth) {
    if (view.Lines().Empty()) {
        return {};
    }
    const auto [first, count] = view.BarPlace();
    const PositionBar bar =
        PositionBarRects(clientWidth, view.TextArea(), view.LeftBar(), first, count);
    return {{bar.bar, view.Colours().bar}, {bar.filled, view.Colours().barFill}};
}

}  // namespace

PagePlan PlanPage(const TextView& view, int32_t clientWidth) {
    const bool empty = !view.Document().HasDocument();
    PagePlan plan{view.Colours().back,
                  view.Colours().text,
                  view.Font(),
                  view.Font().rotated,
                  PlanRows(view),
                  PlanPositionBar(view, clientWidth),
                  empty ? kOpenDocumentHint : std::u16string_view(),
                  empty ? view.TextArea() : ViewRect(),
                  {},
                  {},
                  {}};
    plan.highlights = PlanHighlights(view, plan.rows);
    if (view.Aids().showPercent && !empty) {
        const ViewRect& area = view.TextArea();
        plan.percent = FooterText(view, area.Width());
        plan.percentArea = {area.left, area.bottom, area.right,
                            Saturate(int64_t{area.bottom} + view.Font().size)};
    }
    return plan;
}

}  // namespace sorna
