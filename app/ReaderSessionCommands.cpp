// The command table: what each command does, the dialogs some of them run among them.

#include <algorithm>

#include "app/InputCommands.h"
#include "app/ReaderSession.h"
#include "app/SettingToggles.h"
#include "app/ShellTexts.h"
#include "resources/AppStrings.h"
#include "view/Saturate.h"

namespace sorna {
namespace {

// The label buffer of the add-bookmark dialog, its terminator included.
constexpr size_t kBookmarkLabelCapacity = 1024;

bool InRange(CommandId id, CommandId first, CommandId last) {
    return id >= first && id <= last;
}

// Commands that a window of a long document serves as well as the whole: steps (a step out of
// the window waits for the whole itself), those that open, close or lay out again, and those that
// do not look at the text.
bool WorksOnWindow(CommandId id) {
    static constexpr CommandId kOnWindow[] = {
        IDM_EXIT,       IDM_LINE_UP,    IDM_LINE_DOWN,    IDM_OPEN,
        IDM_PAGE_DOWN,  IDM_PAGE_UP,    IDM_ABOUT,        IDM_SETTINGS,
        IDM_FULLSCREEN, IDM_AUTOSCROLL, IDM_CLOSE,        IDM_LEAVE_FULLSCREEN,
        IDM_ALT_F4,     IDM_ALT_SLASH,  IDM_RECENT_CLEAR, IDM_BOOKMARK_EDIT};
    return std::ranges::find(kOnWindow, id) != std::end(kOnWindow) ||
           InRange(id, IDM_RECENT_00, IDM_RECENT_LAST) ||
           InRange(id, IDM_THEME_USER, IDM_THEME_SEPIA) ||
           InRange(id, IDM_ENCODING_AUTO, IDM_ENCODING_LAST) || FindSettingToggle(id) != nullptr;
}

}  // namespace

void ReaderSession::RunPostedCommand(CommandId id) {
    if (work_.Busy()) {
        work_.RunWhenIdle([this, id] { shell_.PostCommand(id); });
    } else {
        RunCommand(id);
    }
}

void ReaderSession::RunCommand(CommandId id) {
    if (const std::optional<CommandId> step = ArrowKeyCommand(id, settings_.bRotate)) {
        shell_.PostCommand(*step);
        return;
    }
    if (!WorksOnWindow(id)) {
        WaitForWholeText();
    }
    if (InRange(id, IDM_RECENT_00, IDM_RECENT_LAST)) {
        OpenRecentFile(id - IDM_RECENT_00);
        return;
    }
    if (InRange(id, IDM_BOOKMARK_00, IDM_BOOKMARK_LAST)) {
        GoToBookmark(id - IDM_BOOKMARK_00);
        return;
    }
    if (InRange(id, IDM_THEME_USER, IDM_THEME_SEPIA)) {
        ChooseTheme(id - IDM_THEME_USER);
        return;
    }
    if (InRange(id, IDM_ENCODING_AUTO, IDM_ENCODING_LAST)) {
        ChooseEncoding(id - IDM_ENCODING_AUTO);
        return;
    }
    if (const SettingToggle* toggle = FindSettingToggle(id)) {
        Toggle(*toggle);
        return;
    }
    switch (id) {
        case IDM_EXIT:
            shell_.PostClose();
            break;
        case IDM_LINE_UP:
            StepLines(-1);
            break;
        case IDM_LINE_DOWN:
            StepLines(1);
            break;
        case IDM_OPEN:
            ChooseAndOpenDocument();
            break;
        case IDM_PAGE_DOWN:
            StepLines(view_.PageStep());
            break;
        case IDM_PAGE_UP:
            StepLines(-view_.PageStep());
            break;
        case IDM_ABOUT:
            ShowAbout();
            break;
        case IDM_SETTINGS:
            ChangeSettings();
            break;
        case IDM_RECENT_CLEAR:
            ClearRecentFiles();
            break;
        case IDM_FIND:
            Find();
            break;
        case IDM_FULLSCREEN:
            ToggleFullScreen();
            break;
        case IDM_AUTOSCROLL:
            autoScroll_.Toggle();
            break;
        case IDM_BOOKMARK_EDIT:
            EditBookmarks();
            break;
        case IDM_BOOKMARK_ADD:
            AddBookmark();
            break;
        case IDM_BOOKMARK_CLEAR:
            ClearBookmarks();
            break;
        case IDM_CLOSE:
            CloseDocument();
            shell_.Repaint();
            break;
        case IDM_FIRST_PAGE:
            LeavePlace();
            view_.SetTopLine(0);
            break;
        case IDM_LAST_PAGE:
            LeavePlace();
            view_.GoToPage(view_.Pages().total);
            break;
        case IDM_LEAVE_FULLSCREEN:
            if (fullScreen_) {
                ToggleFullScreen();
            }
            break;
        case IDM_CHAPTERS:
            ShowChapters();
            break;
        case IDM_NEXT_CHAPTER:
        case IDM_PREVIOUS_CHAPTER:
            StepChapter(id == IDM_NEXT_CHAPTER);
            break;
        case IDM_GO_TO:
            GoTo();
            break;
        case IDM_FIND_NEXT:
        case IDM_FIND_PREVIOUS:
            FindAgain(id == IDM_FIND_NEXT);
            break;
        case IDM_BACK:
        case IDM_FORWARD:
            GoBack(id == IDM_BACK);
            break;
        default:
            // IDM_ALT_F4, IDM_ALT_SLASH, IDC_NONE, the bar's divider and unknown ids.
            break;
    }
}

void ReaderSession::ChooseTheme(int32_t theme) {
    settings_.nTheme = theme;
    ApplySettings();
    shell_.Repaint();
}

void ReaderSession::Toggle(const SettingToggle& toggle) {
    settings_.*toggle.setting = !(settings_.*toggle.setting);
    if (toggle.changesPage) {
        ApplySettings();
        shell_.Repaint();
    }
}

// The repaint, and any input queued meanwhile, are handled before the next command.
void ReaderSession::StepLines(int64_t lines) {
    if (!view_.WindowHolds(lines)) {
        WaitForWholeText();
    }
    view_.ScrollLines(Saturate(lines));
    shell_.PumpEvents();
}

void ReaderSession::ToggleFullScreen() {
    shell_.SetFullScreen(!fullScreen_);
    UpdateLayout();
    fullScreen_ = !fullScreen_;
    if (settings_.bRotate) {
        ApplySettings();
    }
}

void ReaderSession::ChooseAndOpenDocument() {
    autoScroll_.Stop();
    OpenChosenDocument(shell_.ChooseDocumentPath());
}

void ReaderSession::OpenRecentFile(int32_t n) {
    // Closing the open document reorders the list; the entry is a copy. The open document's
    // own entry is brought up to date by that close, so its place is taken after it.
    if (const std::optional<HistoryEntry> entry = settings_.recentFiles.At(n)) {
        const bool open = entry->path == view_.Document().documentPath;
        if (open) {
            LeavePlace();
        }
        OpenDocument(entry->path, open ? -1 : entry->position);
    }
}

void ReaderSession::GoToBookmark(int32_t n) {
    const std::optional<HistoryEntry> entry = settings_.bookmarks.At(n);
    if (!entry) {
        return;
    }
    if (entry->path != view_.Document().documentPath) {
        OpenDocument(entry->path, entry->position);
    } else {
        LeavePlace();
        view_.GoToOffset(entry->position);
    }
}

void ReaderSession::ShowAbout() {
    autoScroll_.Stop();
    shell_.RunAboutDialog();
}

// Some of the dialog's changes are made at once, and the minute's save may store them meanwhile:
// left without OK, the settings it began with come back, saved and applied again.
void ReaderSession::ChangeSettings() {
    autoScroll_.Stop();
    const Settings before = settings_;
    if (!shell_.RunSettingsDialog(settings_)) {
        settings_ = before;
    }
    settings_.SaveSettings();
    ApplySettings();
}

// Auto-scroll goes on under the find and bookmark dialogs.
void ReaderSession::Find() {
    const WholeTextHeld held(*this);
    shell_.RunFindDialog(settings_.recentSearches, StoredSearchFlags(), view_, *this);
}

void ReaderSession::EditBookmarks() {
    shell_.RunEditBookmarksDialog(settings_.bookmarks);
}

void ReaderSession::AddBookmark() {
    const DocumentText& document = view_.Document();
    if (document.length == 0) {
        return;
    }
    const int32_t top = view_.TopLine();
    std::u16string label = ProposedBookmarkLabel(view_.LineText(top), view_.LineText(top + 1),
                                                 view_.TopOffset(), document.length);
    if (shell_.RunAddBookmarkDialog(label, kBookmarkLabelCapacity)) {
        // The position again: auto-scroll may have moved on while the dialog was open.
        settings_.bookmarks.AddBookmark(document.documentPath, view_.TopOffset(), label);
    }
}

void ReaderSession::ClearRecentFiles() {
    if (shell_.Confirm(kConfirmClearRecentFiles)) {
        settings_.recentFiles.ClearRecentFiles();
    }
}

void ReaderSession::ClearBookmarks() {
    if (shell_.Confirm(kConfirmClearBookmarks)) {
        settings_.bookmarks.ClearBookmarks();
    }
}

}  // namespace sorna
