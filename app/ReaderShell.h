#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/GoToTarget.h"
#include "document/Chapter.h"
#include "document/ProgressText.h"
#include "history/FindActions.h"
#include "history/HistoryLists.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"
#include "view/TextView.h"
#include "view/ViewRect.h"

namespace sorna {

// What the reader session needs from the window it runs in: the caption, the page, the event
// loop, full screen, and the boxes and dialogs it shows. Dialogs are modal over the window.
class ReaderShell {
public:
    virtual ~ReaderShell() = default;

    virtual void SetCaption(std::u16string_view caption) = 0;
    // The area of the window the page covers, from (0, 0).
    virtual ViewRect PageArea() = 0;
    // Asks for the page to be painted again once events are handled.
    virtual void Repaint() = 0;
    // Handles the events that are pending now, posted commands among them.
    virtual void PumpEvents() = 0;
    // Queues a command or the window's close; each is carried out when events are next handled.
    virtual void PostCommand(CommandId id) = 0;
    virtual void PostClose() = 0;
    // Runs `task` on the window's thread once events are handled; called from any thread.
    virtual void PostFromWorker(std::function<void()> task) = 0;
    // Full screen covers the whole screen with the page, without the menu bar; leaving it
    // gives back the window the desktop had placed.
    virtual void SetFullScreen(bool on) = 0;

    // Shows the stages of a long load or layout for as long as the object lives.
    virtual std::unique_ptr<ProgressText> ShowProgress() = 0;
    // Tells that a document could not be opened, in the loader's words.
    virtual void ShowOpenFailure(std::u16string_view message) = 0;
    // A question with Yes and No; true only for Yes.
    [[nodiscard]] virtual bool Confirm(std::u16string_view question) = 0;

    // The document the user picked, or the empty string when none was.
    virtual std::u16string ChooseDocumentPath() = 0;
    virtual void RunAboutDialog() = 0;
    // Edits the settings in place; some changes take effect before the dialog ends. True when it
    // was left with OK.
    [[nodiscard]] virtual bool RunSettingsDialog(Settings& settings) = 0;
    // Searches the view's text and goes to what is found through `actions` as the user asks.
    virtual void RunFindDialog(RecentSearches& searches, SearchFlags flags, const TextView& view,
                               FindActions& actions) = 0;
    // The chapter chosen to go to, none when the dialog was closed; `current` is selected first.
    virtual std::optional<size_t> RunChaptersDialog(std::span<const Chapter> chapters,
                                                    std::optional<size_t> current) = 0;
    // Where to go, asked with the page numbers as they are; none when the dialog was closed.
    virtual std::optional<GoToTarget> RunGoToDialog(PageNumbers pages) = 0;
    // Tells something for a moment over the page, with nothing to close.
    virtual void ShowNotice(std::u16string_view text) = 0;
    virtual void RunEditBookmarksDialog(Bookmarks& bookmarks) = 0;
    // Lets the user edit the proposed label, a buffer of `capacity` code units with its
    // terminator. True when the bookmark is to be added.
    [[nodiscard]] virtual bool RunAddBookmarkDialog(std::u16string& label, size_t capacity) = 0;
    // Starts the dictionary program with the word; `stopAutoScroll` runs when it is found.
    virtual void LaunchDictionary(std::u16string_view programPath, std::u16string_view word,
                                  const std::function<void()>& stopAutoScroll) = 0;
};

}  // namespace sorna
