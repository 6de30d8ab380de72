// Finding one's way in a long document: the chapters, going to a page or a share of the text,
// the last search again, and going back to where a jump left.
#include <algorithm>

#include "app/GoToTarget.h"
#include "app/ReaderSession.h"
#include "document/FindChapters.h"
#include "resources/AppStrings.h"
#include "resources/Format.h"

namespace sorna {

const std::vector<Chapter>& ReaderSession::Chapters() {
    DocumentText& document = view_.Document();
    if (!document.chapters) {
        document.chapters = FindChapters(view_.Text());
    }
    return *document.chapters;
}

void ReaderSession::PagePainted() {
    const DocumentText& document = view_.Document();
    if (settings_.bShowPercent && document.HasDocument() && !document.chapters &&
        !view_.ShowsWindow()) {
        Chapters();
        shell_.Repaint();
    }
}

void ReaderSession::ShowChapters() {
    if (!view_.Document().HasDocument()) {
        return;
    }
    const WholeTextHeld held(*this);
    const std::vector<Chapter>& chapters = Chapters();
    const std::optional<size_t> chosen =
        shell_.RunChaptersDialog(chapters, ChapterAt(chapters, view_.TopOffset()));
    if (chosen && *chosen < chapters.size()) {
        LeavePlace();
        view_.GoToOffset(chapters[*chosen].offset);
    }
}

// Forward goes to the first chapter after the top line; back to the start of the chapter the
// top line is in, or to the one before when the page starts it.
void ReaderSession::StepChapter(bool forward) {
    if (!view_.Document().HasDocument()) {
        return;
    }
    const std::vector<Chapter>& chapters = Chapters();
    if (chapters.empty()) {
        shell_.ShowNotice(kNoChaptersNotice);
        return;
    }
    const int32_t top = view_.TopOffset();
    const auto next = forward ? std::ranges::upper_bound(chapters, top, {}, &Chapter::offset)
                              : std::ranges::lower_bound(chapters, top, {}, &Chapter::offset);
    if (forward ? next == chapters.end() : next == chapters.begin()) {
        return;
    }
    LeavePlace();
    view_.GoToOffset(forward ? next->offset : std::prev(next)->offset);
}

void ReaderSession::GoTo() {
    if (view_.Lines().Empty()) {
        return;
    }
    const WholeTextHeld held(*this);
    const std::optional<GoToTarget> target = shell_.RunGoToDialog(view_.Pages());
    if (!target) {
        return;
    }
    LeavePlace();
    if (target->kind == GoToTarget::Kind::kPage) {
        view_.GoToPage(int32_t(std::min<double>(target->value, INT32_MAX)));
    } else {
        view_.GoToOffset(int32_t(view_.Document().length * target->value / 100));
    }
}

// The latest search with the stored options, from the page on or back from it. Without one the
// find dialog asks for a word; a miss is told without a box to close.
void ReaderSession::FindAgain(bool forward) {
    const std::u16string word = settings_.recentSearches.LatestSearch();
    const TextSearch search(word, StoredSearchFlags().Options());
    if (search.Empty()) {
        Find();
        return;
    }
    if (!FindOn(search, forward)) {
        shell_.ShowNotice(FormatText(kNotFoundNotice, {word}));
    }
}

bool ReaderSession::FindOn(const TextSearch& search, bool forward) {
    const int32_t from = view_.TopOffset();
    if (!(forward ? view_.FindNext(search) : view_.FindPrevious(search))) {
        return false;
    }
    jumps_.Leave(view_.Document().documentPath, from);
    return true;
}

void ReaderSession::LeavePlace() {
    jumps_.Leave(view_.Document().documentPath, view_.TopOffset());
}

void ReaderSession::GoBack(bool back) {
    const std::u16string& path = view_.Document().documentPath;
    const int32_t current = view_.TopOffset();
    const std::optional<int32_t> place =
        back ? jumps_.Back(path, current) : jumps_.Forward(path, current);
    if (place) {
        view_.GoToOffset(*place);
    }
}

bool ReaderSession::FindFromPage(const TextSearch& search) {
    return FindOn(search, true);
}

void ReaderSession::ShowOccurrence(TextSpan found) {
    LeavePlace();
    view_.ShowFound(found);
}

}  // namespace sorna
