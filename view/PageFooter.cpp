#include "view/PageFooter.h"

#include "resources/Format.h"
#include "resources/ViewStrings.h"
#include "view/ReadingPercent.h"
#include "view/TextView.h"

namespace sorna {
namespace {

constexpr char16_t kEllipsis = u'…';

int64_t WidthOf(const TextView& view, std::u16string_view text) {
    int64_t width = 0;
    for (const char16_t c : text) {
        width += view.Metrics().Width(c);
    }
    return width;
}

// While only a window of the text is held, its pages are not known: the estimated share only.
std::u16string Figures(const TextView& view) {
    const double percent = ReadingPercent(view.TopOffset(), view.TextLength());
    if (view.ShowsWindow()) {
        return FormatText(kEstimatedPercentPattern, {percent});
    }
    const PageNumbers pages = view.Pages();
    return FormatText(kPageFiguresPattern,
                      {GroupedNumber(pages.page), GroupedNumber(pages.total), percent});
}

// The title as far as `room` allows, cut before a letter with the ellipsis after it.
std::u16string CutToFit(const TextView& view, std::u16string_view title, int64_t room) {
    if (WidthOf(view, title) <= room) {
        return std::u16string(title);
    }
    int64_t width = view.Metrics().Width(kEllipsis);
    size_t kept = 0;
    while (kept < title.size() && width + view.Metrics().Width(title[kept]) <= room) {
        width += view.Metrics().Width(title[kept++]);
    }
    return kept == 0 ? std::u16string() : std::u16string(title.substr(0, kept)) + kEllipsis;
}

}  // namespace

std::u16string FooterText(const TextView& view, int64_t width) {
    std::u16string figures = Figures(view);
    const std::optional<std::vector<Chapter>>& chapters = view.Document().chapters;
    const std::optional<size_t> chapter =
        chapters ? ChapterAt(*chapters, view.TopOffset()) : std::nullopt;
    if (!chapter) {
        return figures;
    }
    const int64_t room = width - WidthOf(view, figures) - WidthOf(view, kFooterSeparator);
    const std::u16string title = CutToFit(view, (*chapters)[*chapter].title, room);
    return title.empty() ? figures : title + std::u16string(kFooterSeparator) + figures;
}

}  // namespace sorna
