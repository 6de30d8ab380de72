#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/AutoScroll.h"
#include "app/JumpHistory.h"
#include "app/ReaderShell.h"
#include "app/StartReadAhead.h"
#include "app/WholeDocumentLoad.h"
#include "app/WorkInProgress.h"
#include "document/Chapter.h"
#include "history/FindActions.h"
#include "platform/IdleInhibitor.h"
#include "resources/CommandIds.h"
#include "settings/Settings.h"
#include "view/TextView.h"
#include "view/ViewDevice.h"

namespace sorna {

struct SettingToggle;

// The reader itself: the open document and where it is read, the settings applied to it, the
// command table, the recent files and bookmarks, auto-scroll and the saving of the reading
// state. The window it runs in turns input and timers into calls here and shows what it is
// asked to through the shell.
class ReaderSession : private FindActions {
public:
    // Everything passed in must outlive the session. Nothing is asked of the shell until Start.
    ReaderSession(Settings& settings, ReaderShell& shell, ViewDevice& device,
                  IdleInhibitor& idleInhibitor);

    // Captions the window, lays the text area out for the page and the settings, and posts the
    // switch to full screen when the last run ended in it.
    void Start();

    // The command table. Ids without a handler do nothing.
    void RunCommand(CommandId id);
    // A command that arrived from the event loop: during a load it waits for the load's end.
    void RunPostedCommand(CommandId id);

    // Opens a document at a reading position; -1 takes the position the recent-file list holds
    // for the path, or the beginning when it holds none. A failure is shown in a message box.
    // A long plain text shows a window around the place first and is read whole meanwhile.
    bool OpenDocument(std::u16string_view path, int32_t position);
    // While only a window of the document is shown: waits for the whole text and its lines, with
    // the progress window, and shows it in the window's place. A command that needs the whole
    // text calls it.
    void WaitForWholeText();
    // Records the open document's reading position in the recent files and unloads it. The
    // caption stays as it is.
    void CloseDocument();
    // Opened as the open dialog's choice is, once any load under way has ended.
    void OpenDroppedDocument(const std::u16string& path);
    // The start's reopen of the most recent file, when it still exists. False while another
    // document is being opened: the caller tries again later.
    [[nodiscard]] bool ReopenMostRecentFile();
    // The start's document: the file the command line named, at the place the recent files
    // remember or at its beginning; otherwise the most recent file, as above. A name of nothing
    // is told first.
    [[nodiscard]] bool OpenStartDocument(const std::u16string& namedPath);
    // Starts reading what OpenStartDocument will open, on a thread of its own, while the window
    // is made and shown; the open then takes what was read.
    void ReadAheadStartDocument(const std::u16string& namedPath);
    // A file named by a later start: opened as a dropped one is. A name of nothing is told and
    // the open document stays; a folder is passed over.
    void OpenHandedOverDocument(const std::u16string& path);

    // Hands the settings to the view and lays the text out again where they change the lines,
    // staying at the same reading position.
    void ApplySettings();
    // Sets the view's text area from the page as it is now, with its margins, and the line
    // spacing as far as the area leaves room for it.
    void FitTextAreaToPage();
    // Sets the text area as above; lays out again when it changes the lines.
    void UpdateLayout();
    // The page changed size: laid out again and repainted once any load under way has ended.
    void PageResized();

    // Records the reading position in the recent files and saves the settings.
    void SaveReadingState();
    // The window is closing: records the reading position and the full-screen state and saves
    // them. During a load nothing happens and false is returned: the close is posted again for
    // the load's end.
    [[nodiscard]] bool Close();

    // One tick of the auto-scroll timer at tick count `now`.
    void AutoScrollTick(uint32_t now);
    // The window lost or got the activation. A dialog of the window's own taking it and giving
    // it back is no change of program; any other change stops auto-scroll.
    void ActivationChanged(bool active, bool toOwnDialog);

    // Taps on the page, in its coordinates: a press on the position bar, and a word handed to
    // the dictionary.
    void JumpToBar(int32_t y);
    void LookUpWord(int32_t x, int32_t y);

    // The page was painted: the chapters are found now when the figures below the text name the
    // chapter and they are not known yet, so that a long text's first page never waits for them.
    void PagePainted();

    const TextView& View() const { return view_; }
    const std::u16string& DocumentTitle() const { return documentTitle_; }
    // The encoding the open document was chosen to be read in; empty for the automatic decision.
    const std::u16string& ChosenEncoding() const { return chosenEncoding_; }
    [[nodiscard]] bool AutoScrolling() const { return autoScroll_.Running(); }
    [[nodiscard]] bool FullScreen() const { return fullScreen_; }

private:
    // Marks a dialog that holds on to the whole text (its offsets, its chapters, its pages) for
    // its lifetime: meanwhile a new layout breaks the whole text at once instead of showing a
    // window of it.
    class WholeTextHeld {
    public:
        explicit WholeTextHeld(ReaderSession& session) : session_(session) {
            ++session_.wholeTextHolders_;
        }
        ~WholeTextHeld() { --session_.wholeTextHolders_; }
        WholeTextHeld(const WholeTextHeld&) = delete;
        WholeTextHeld& operator=(const WholeTextHeld&) = delete;

    private:
        ReaderSession& session_;
    };

    std::unique_ptr<ProgressText> MaybeShowProgress();
    void UpdateTitle();
    // Moves the open document to the head of the recent files, with its place and encoding.
    void RememberOpenDocument();
    // Shows the window of a long plain text around `position` and starts reading the whole;
    // false when the document is not one to open so.
    bool OpenAroundPlace(const StartReadAhead::Request& request,
                         std::optional<StartReadAhead::Read>& readAhead);
    // Reads the document whole into the view, unless it was read ahead; as LoadDocument answers.
    bool LoadWhole(const StartReadAhead::Request& request,
                   std::optional<StartReadAhead::Read>& readAhead, ProgressText* progress);
    // Starts (again) reading the whole document for the window shown, or breaking it when it
    // was read already, for the lines as the window has them.
    void StartWholeLoad();
    WholeDocumentLoad::Breaking WholeLoadBreaking();
    // The whole document read meanwhile in the window's place, or the failure to read it told.
    void AdoptWholeDocument();
    // Lays the view out again and goes to `position`. A window shown is laid out and its whole
    // text broken anew behind it; so is a long text read whole, in a window around the place.
    void LayOut(int32_t position, ProgressText* progress);
    // That for a long text read whole that needs a layout; false when it is not such a text or
    // no window can be cut around the place.
    bool LayOutAroundPlace(int32_t position);
    void TellWhyNotOpened(const std::u16string& path);
    // Commands.
    void StepLines(int64_t lines);
    void Toggle(const SettingToggle& toggle);
    void ToggleFullScreen();
    void ChooseAndOpenDocument();
    void OpenChosenDocument(const std::u16string& path);
    void OpenRecentFile(int32_t n);
    void GoToBookmark(int32_t n);
    void ShowAbout();
    void ChangeSettings();
    void Find();
    SearchFlags StoredSearchFlags() {
        return {settings_.bSearchIgnoreCase, settings_.bSearchIgnoreSpacing};
    }
    void EditBookmarks();
    void AddBookmark();
    void ClearRecentFiles();
    void ClearBookmarks();
    // Finding one's way: chapters, pages, the last search again, back and forward.
    const std::vector<Chapter>& Chapters();
    void ShowChapters();
    void StepChapter(bool forward);
    void GoTo();
    void FindAgain(bool forward);
    // Finds the search from the page on or back from it and remembers the place it left.
    bool FindOn(const TextSearch& search, bool forward);
    // Before every jump inside the document: where it leaves.
    void LeavePlace();
    void GoBack(bool back);
    // Reads the open document again in the encoding chosen ("" for the automatic decision),
    // at the same byte of the file: n 0 is the automatic decision, n from 1 the table's n - 1.
    void ChooseEncoding(int32_t n);
    // Shows the page in the colours of a theme of PageTheme's numbers, kept in the settings.
    void ChooseTheme(int32_t theme);
    void ReadInEncoding(std::u16string_view encoding);
    bool FindFromPage(const TextSearch& search) override;
    void ShowOccurrence(TextSpan found) override;

    Settings& settings_;
    ReaderShell& shell_;
    TextView view_;
    WorkInProgress work_;
    AutoScroll autoScroll_;
    JumpHistory jumps_;
    WholeDocumentLoad wholeLoad_;
    StartReadAhead readAhead_;
    uint64_t wholeLoadNumber_ = 0;  // which load a report from a worker thread is of
    int wholeTextHolders_ = 0;
    std::u16string documentTitle_;
    std::u16string chosenEncoding_;
    bool fullScreen_ = false;
    bool ownDialogActive_ = false;  // the activation went to a dialog of the window
};

}  // namespace sorna
