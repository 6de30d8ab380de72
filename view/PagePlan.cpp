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

constexpr uint32_t kBarColour = 0x505050;
constexpr uint32_t kBarFillColour = 0xC0FFC0;

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

// As laid out: a line feed that joins two lines is as wide as a space.
int64_t WidthOf(const TextView& view, int32_t from, int32_t to) {
    int64_t width = 0;
    for (int32_t i = from; i < to; ++i) {
        width += view.Metrics().Width(view.JoinsAt(i) ? u' ' : view.Document().text[i]);
    }
    return width;
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
        const int64_t start = WidthOf(view, view.Lines()[line], from);
        const int64_t end = start + WidthOf(view, from, to);
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
        rows.push_back({RowRect(view, row), view.ShownText(first + row)});
    }
    return rows;
}

std::vector<PageFill> PlanPositionBar(const TextView& view, int32_t clientWidth) {
    if (view.Lines().Empty()) {
        return {};
    }
    const PositionBar bar = PositionBarRects(clientWidth, view.TextArea(), view.LeftBar(),
                                             view.TopLine(), view.Lines().Count());
    return {{bar.bar, kBarColour}, {bar.filled, kBarFillColour}};
}

}  // namespace

PagePlan PlanPage(const TextView& view, int32_t clientWidth) {
    const bool empty = !view.Document().HasDocument();
    PagePlan plan{view.BackColour(),
                  view.TextColour(),
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
