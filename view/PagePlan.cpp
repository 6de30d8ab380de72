#include "view/PagePlan.h"

#include <algorithm>

#include "resources/ViewStrings.h"
#include "view/PositionBar.h"
#include "view/Saturate.h"
#include "view/TextView.h"

namespace sorna {
namespace {

constexpr uint32_t kBarColour = 0x505050;
constexpr uint32_t kBarFillColour = 0xC0FFC0;

// The text area less the position bar's side; rotated strips stand side by side in it.
ViewRect RowRect(const TextView& view, int32_t row) {
    const ViewRect& area = view.TextArea();
    const int64_t height = view.LineHeight();
    const int32_t barLeft = view.LeftBar() ? kScrollBarWidth : 0;
    if (view.Font().rotated) {
        const int32_t left = Saturate(int64_t{area.left} + barLeft + row * height);
        return {left, area.top, Saturate(left + height), area.bottom};
    }
    const int32_t barRight = view.LeftBar() ? 0 : kScrollBarWidth;
    return {area.left + barLeft, Saturate(area.top + row * height), area.right - barRight,
            Saturate(area.top + (row + 1) * height)};
}

std::u16string_view VisibleText(std::u16string_view line) {
    return line.substr(0, line.find_first_of(u"\r\n"));
}

// As many lines as the page holds, never the closing entry of the table.
std::vector<PageRow> PlanRows(const TextView& view) {
    const int32_t first = view.TopLine();
    const int64_t end =
        std::min<int64_t>(int64_t{first} + view.LinesPerPage(), view.Lines().Count() - 1);
    std::vector<PageRow> rows;
    for (int32_t row = 0; first + row < end; ++row) {
        rows.push_back({RowRect(view, row), VisibleText(view.LineChars(first + row))});
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
    return {view.BackColour(),
            view.TextColour(),
            view.Font(),
            view.Font().rotated,
            PlanRows(view),
            PlanPositionBar(view, clientWidth),
            empty ? kOpenDocumentHint : std::u16string_view(),
            empty ? view.TextArea() : ViewRect()};
}

}  // namespace sorna
